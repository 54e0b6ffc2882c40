#pragma once
// One installed implementation of a seam, falling back to the real one.

namespace platform {

template <class Seam, class Real>
class SeamSlot {
public:
    Seam& Get()
    {
        if (installed_)
            return *installed_;
        static Real real;
        return real;
    }
    void Install(Seam* seam) { installed_ = seam; }

private:
    Seam* installed_ = nullptr;
};

} // namespace platform
