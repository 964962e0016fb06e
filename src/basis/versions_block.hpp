#pragma once
// The version block an executable carries: a marked byte string in its own
// section, found again by Versionsinfo_Lesen by scanning the file. Each entry
// is "Name=Wert" ended by a zero byte; an empty entry ends the block.
// Expand STELUX_VERSIONS_BLOCK once, at namespace scope, in the main file of
// each executable with the executable's own file name.

// The marker in front of the block.
#define STELUX_VERSIONS_MARKE "\x7fSTELUX-VERSION\x7f"

// Flags: 0x01 debug build, 0x02 pre-release (a 0.x version).
#if !defined(NDEBUG) && STELUX_VERSION_MAJOR == 0
#define STELUX_VERSIONS_FLAGGEN "3"
#elif !defined(NDEBUG)
#define STELUX_VERSIONS_FLAGGEN "1"
#elif STELUX_VERSION_MAJOR == 0
#define STELUX_VERSIONS_FLAGGEN "2"
#else
#define STELUX_VERSIONS_FLAGGEN "0"
#endif

// File type 1 (application), subtype 0; flag mask 0x3F (every flag is defined).
#define STELUX_VERSIONS_BLOCK(DATEINAME, BESCHREIBUNG)                                             \
    [[gnu::used, gnu::section(".stelux_version")]] static const char Stelux_Versions_Block[] =     \
        STELUX_VERSIONS_MARKE "CompanyName=Stelux-Projekt"                                         \
                              "\0"                                                                 \
                              "FileDescription=" BESCHREIBUNG "\0"                                 \
                              "FileVersion=" STELUX_VERSION "\0"                                   \
                              "InternalName=" DATEINAME "\0"                                       \
                              "LegalCopyRight=Copyright (C) Stelux-Projekt"                        \
                              "\0"                                                                 \
                              "OriginalFileName=" DATEINAME "\0"                                   \
                              "ProductName=Stelux"                                                 \
                              "\0"                                                                 \
                              "ProductVersion=" STELUX_VERSION "\0"                                \
                              "FileType=1"                                                         \
                              "\0"                                                                 \
                              "FileSubtype=0"                                                      \
                              "\0"                                                                 \
                              "FileFlagsMask=63"                                                   \
                              "\0"                                                                 \
                              "FileFlags=" STELUX_VERSIONS_FLAGGEN "\0"
