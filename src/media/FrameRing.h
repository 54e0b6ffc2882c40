#pragma once
// A fixed-capacity ring of stereo float frames between the decoding thread
// and the output thread. It does no locking: its owner holds the lock.

#include <algorithm>
#include <cstdint>
#include <vector>

namespace media {

class FrameRing {
public:
    explicit FrameRing(std::int64_t capacityFrames)
        : data_(static_cast<size_t>(2 * capacityFrames)), capacity_(capacityFrames) {}

    std::int64_t Size() const { return size_; }
    std::int64_t Free() const { return capacity_ - size_; }
    void Clear()
    {
        head_ = 0;
        size_ = 0;
    }

    // Appends as many of `count` frames as fit; returns how many did.
    std::int64_t Push(const float* frames, std::int64_t count)
    {
        count = std::min(count, Free());
        std::int64_t tail = (head_ + size_) % capacity_;
        for (std::int64_t done = 0; done < count;) {
            const std::int64_t run = std::min(count - done, capacity_ - tail);
            std::copy_n(frames + 2 * done, 2 * run, data_.begin() + 2 * tail);
            done += run;
            tail = (tail + run) % capacity_;
        }
        size_ += count;
        return count;
    }

    // Adds up to `count` frames onto `out` (mixing) and removes them.
    std::int64_t MixInto(float* out, std::int64_t count)
    {
        count = std::min(count, size_);
        for (std::int64_t i = 0; i < 2 * count; ++i)
            out[i] += data_[static_cast<size_t>((2 * head_ + i) % (2 * capacity_))];
        head_ = (head_ + count) % capacity_;
        size_ -= count;
        return count;
    }

private:
    std::vector<float> data_;
    std::int64_t capacity_;
    std::int64_t head_ = 0;
    std::int64_t size_ = 0;
};

} // namespace media
