// The archive's byte encodings: integers, counts, both string forms and every length width.
#include <gtest/gtest.h>

#include "../test_printers.h"

#include "platform/archive.h"
#include "platform/exceptions.h"

namespace {

using Bytes = std::vector<uint8_t>;

template <typename T>
Bytes Stored(const T& value)
{
    Bytes bytes;
    CArchive ar(bytes);
    ar << value;
    return bytes;
}

Bytes StoredCount(uint64_t count)
{
    Bytes bytes;
    CArchive ar(bytes);
    ar.WriteCount(count);
    return bytes;
}

Bytes Prefix(const Bytes& bytes, size_t n) { return Bytes(bytes.begin(), bytes.begin() + static_cast<long>(n)); }

CString LoadString(const Bytes& bytes)
{
    CArchive ar(bytes.data(), bytes.size());
    CString text;
    ar >> text;
    EXPECT_EQ(ar.GetRemaining(), 0u);
    return text;
}

TEST(ArchiveIntegers, AreLittleEndianTwosComplement)
{
    EXPECT_EQ(Stored(int32_t{100}), (Bytes{0x64, 0, 0, 0}));
    EXPECT_EQ(Stored(int32_t{-2}), (Bytes{0xFE, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(Stored(uint32_t{0xBD7D3E}), (Bytes{0x3E, 0x7D, 0xBD, 0}));
    Bytes bytes{0xFE, 0xFF, 0xFF, 0xFF};
    CArchive ar(bytes.data(), bytes.size());
    int32_t value = 0;
    ar >> value;
    EXPECT_EQ(value, -2);
}

TEST(ArchiveCounts, UseTheSmallestOfThreeWidths)
{
    EXPECT_EQ(StoredCount(4), (Bytes{4, 0}));
    EXPECT_EQ(StoredCount(0xFFFE), (Bytes{0xFE, 0xFF}));
    EXPECT_EQ(StoredCount(0xFFFF), (Bytes{0xFF, 0xFF, 0xFF, 0xFF, 0, 0}));
    EXPECT_EQ(StoredCount(0xFFFFFFFE), (Bytes{0xFF, 0xFF, 0xFE, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(StoredCount(0x100000000ull),
              (Bytes{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0, 1, 0, 0, 0}));
    for (uint64_t count : {0ull, 0xFFFEull, 0xFFFFull, 0xFFFFFFFEull, 0xFFFFFFFFull, 0x123456789ull}) {
        Bytes bytes = StoredCount(count);
        CArchive ar(bytes.data(), bytes.size());
        EXPECT_EQ(ar.ReadCount(), count);
    }
}

TEST(ArchiveStrings, WriteTheUnicodeFormWithEveryLengthWidth)
{
    EXPECT_EQ(Stored(CString()), (Bytes{0xFF, 0xFE, 0xFF, 0x00}));
    EXPECT_EQ(Stored(CString(u"0")), (Bytes{0xFF, 0xFE, 0xFF, 0x01, 0x30, 0x00}));

    struct Width { int length; Bytes header; };
    const Width widths[] = {
        {254, {0xFF, 0xFE, 0xFF, 0xFE}},
        {255, {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0x00}},
        {300, {0xFF, 0xFE, 0xFF, 0xFF, 0x2C, 0x01}},
        {0xFFFD, {0xFF, 0xFE, 0xFF, 0xFF, 0xFD, 0xFF}},
        {0xFFFE, {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}},
        {70000, {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00}},
    };
    for (const Width& w : widths) {
        CString text(u'x', w.length);
        Bytes bytes = Stored(text);
        ASSERT_EQ(bytes.size(), w.header.size() + 2u * static_cast<size_t>(w.length)) << w.length;
        EXPECT_EQ(Prefix(bytes, w.header.size()), w.header) << w.length;
        EXPECT_EQ(LoadString(bytes), text) << w.length;
    }
}

TEST(ArchiveStrings, KeepSurrogatePairsAndLoneSurrogates)
{
    CString text(u"caf\u00e9 \U0001F600 \xD800!");
    EXPECT_EQ(LoadString(Stored(text)), text);
}

TEST(ArchiveStrings, ReadTheEightBitFormAsLatin1)
{
    EXPECT_EQ(LoadString({0x03, 'a', 'b', 0xE9}), CString(u"ab\u00e9"));
    EXPECT_EQ(LoadString({0x00}), CString());
    Bytes wordLength{0xFF, 0x2C, 0x01};
    wordLength.insert(wordLength.end(), 300, 'z');
    EXPECT_EQ(LoadString(wordLength), CString(u'z', 300));
    Bytes dwordLength{0xFF, 0xFF, 0xFF, 0x02, 0x00, 0x00, 0x00, 'h', 'i'};
    EXPECT_EQ(LoadString(dwordLength), CString(u"hi"));
}

TEST(ArchiveErrors, ShortDataRaisesEndOfFile)
{
    Bytes full = Stored(CString(u"ABOUT"));
    for (size_t n = 0; n < full.size(); ++n) {
        Bytes part = Prefix(full, n);
        CArchive ar(part.data(), part.size());
        CString text;
        try {
            ar >> text;
            FAIL() << "prefix " << n << " loaded";
        } catch (const CArchiveException& e) {
            EXPECT_EQ(e.m_cause, CArchiveException::endOfFile) << n;
        }
    }
}

TEST(ArchiveErrors, HostileLengthsFailBeforeAllocating)
{
    // Lengths of 4 GiB and 2^62 units announced by a few bytes.
    const Bytes hostile[] = {
        {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xF0, 0xFF, 0xFF, 0xFF},
        {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0, 0, 0, 0, 0x40},
        {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF},
    };
    for (const Bytes& bytes : hostile) {
        CArchive ar(bytes.data(), bytes.size());
        CString text;
        EXPECT_THROW(ar >> text, CArchiveException);
    }
}

TEST(ArchiveErrors, WrongDirectionNamesTheCause)
{
    Bytes bytes{1, 2, 3, 4};
    CArchive loading(bytes.data(), bytes.size());
    try {
        loading << int32_t{1};
        FAIL();
    } catch (const CArchiveException& e) {
        EXPECT_EQ(e.m_cause, CArchiveException::readOnly);
    }
    Bytes out;
    CArchive storing(out);
    int32_t value = 0;
    try {
        storing >> value;
        FAIL();
    } catch (const CArchiveException& e) {
        EXPECT_EQ(e.m_cause, CArchiveException::writeOnly);
    }
    EXPECT_TRUE(storing.IsStoring());
    EXPECT_FALSE(storing.IsLoading());
    EXPECT_TRUE(loading.IsLoading());
}

}  // namespace
