// The large inputs the reader benchmarks parse: generated deterministically, or a user's file.
#pragma once

#include <string>

// The UTF-8 bytes of a site structure as the host hands it over: 50,000 pages in nested folders,
// most with bookmarks (about 5.8 MB). TRELLIS_BENCH_XML names a file to use instead.
const std::string& SiteStructureBytes();

// The UTF-8 bytes of an icon map of 40,000 glyphs, laid out as a formatter writes JSON
// (about 2.7 MB). TRELLIS_BENCH_JSON names a file to use instead.
const std::string& IconMapBytes();

// The same inputs as the documents' loaders read them: decoded to UTF-16, and for the XML file
// with carriage returns, line feeds and tabs removed (the generated site structure is used as the
// host sends it, line breaks and all).
const std::u16string& SiteStructureText();
const std::u16string& IconMapText();
