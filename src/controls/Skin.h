#pragma once
// The program's pictures: JPEGs painted at build time and linked into the
// program as a table of named byte arrays, decoded on first use.

#include "Image.h"

#include <cstddef>

struct SkinEntry {
    const char* name;
    const unsigned char* data;
    std::size_t size;
};

// Makes a table of pictures known (the build's generated table, or a test's).
void RegisterSkinTable(const SkinEntry* entries, std::size_t count);

// Registers the pictures painted by the build (defined in the generated
// source of the tingdu_skins library).
void InstallBuiltInSkins();

// The picture called `name`. A missing or damaged picture gives an empty
// picture (that face stays blank) and a line on standard error naming it.
TPicture SkinPicture(const char* name);
