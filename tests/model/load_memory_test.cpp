// Loading a block allocates in step with the bytes it reads, whatever counts the block announces.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "model/menu_item.h"
#include "platform/archive.h"
#include "platform/exceptions.h"

// Every allocation of this test program is counted, so a test can ask for the peak of live bytes.
namespace {
std::atomic<size_t> g_liveBytes{0};
std::atomic<size_t> g_peakBytes{0};
constexpr size_t kHeader = 16;  // keeps the returned block aligned as malloc's is
}  // namespace

void* operator new(size_t size)
{
    auto* block = static_cast<size_t*>(std::malloc(size + kHeader));
    if (!block)
        throw std::bad_alloc();
    block[0] = size;
    size_t live = g_liveBytes += size;
    size_t peak = g_peakBytes.load();
    while (live > peak && !g_peakBytes.compare_exchange_weak(peak, live)) {
    }
    return reinterpret_cast<char*>(block) + kHeader;
}

void operator delete(void* pointer) noexcept
{
    if (!pointer)
        return;
    auto* block = reinterpret_cast<size_t*>(static_cast<char*>(pointer) - kHeader);
    g_liveBytes -= block[0];
    std::free(block);
}

void operator delete(void* pointer, size_t) noexcept { operator delete(pointer); }

namespace {

using Bytes = std::vector<uint8_t>;

// One node with empty 8-bit texts and a zero flag, announcing `count` children: ten bytes when
// the count fits the short form.
void AppendNodeHead(Bytes& block, uint64_t count)
{
    block.insert(block.end(), {0, 0, 0, 0, 0, 0, 0, 0});
    CArchive ar(block);
    ar.WriteCount(count);
}

// `depth` nodes nested in one another, each announcing as many children as the rest of a block
// of `size` bytes could hold; only the first child is there, then zeros, which read as leaves.
Bytes NestedCountBlock(int depth, size_t size)
{
    Bytes block;
    block.reserve(size);
    CArchive(block).WriteCount(1);  // one button at the top
    for (int level = 0; level < depth; ++level) {
        // The short count form takes two bytes, or six once the count no longer fits it.
        size_t afterShort = block.size() + 8 + 2;
        uint64_t count = (size - afterShort) / 10;
        if (count >= 0xFFFF)
            count = (size - (afterShort + 4)) / 10;
        AppendNodeHead(block, count);
    }
    block.resize(size, 0);
    return block;
}

size_t PeakWhileLoading(const Bytes& block)
{
    CArray<CMenuItem> buttons;
    g_peakBytes = g_liveBytes.load();
    const size_t before = g_liveBytes;
    try {
        CArchive ar(block.data(), block.size());
        LoadMenuItems(ar, buttons, 1);
    } catch (const CArchiveException&) {
    }
    return g_peakBytes - before;
}

TEST(LoadMemory, FollowsTheBytesReadNotTheAnnouncedCounts)
{
    // Each level announces about eleven thousand children; sizing every level's array to its
    // count up front would take gigabytes for this 114 KB block.
    const Bytes block = NestedCountBlock(1000, 114 * 1000);
    EXPECT_LT(PeakWhileLoading(block), 64 * block.size() + 1024 * 1024);
}

TEST(LoadMemory, HostileBlockStillEndsWithTheEndOfFileException)
{
    const Bytes block = NestedCountBlock(20, 4000);
    CArray<CMenuItem> buttons;
    CArchive ar(block.data(), block.size());
    try {
        LoadMenuItems(ar, buttons, 1);
        FAIL() << "a block missing most of its announced nodes loaded";
    } catch (const CArchiveException& e) {
        EXPECT_EQ(e.m_cause, CArchiveException::endOfFile);
    }
}

TEST(LoadMemory, HonestTreeLoadsWhole)
{
    CArray<CMenuItem> stored;
    for (int b = 0; b < 3; ++b) {
        CMenuItem button;
        button.m_strText = u"B";
        for (int g = 0; g < 2; ++g) {
            CMenuItem group;
            group.m_strURL = u"PARENT";
            group.m_arrItems.SetSize(4);
            button.m_arrItems.Add(group);
        }
        stored.Add(button);
    }
    Bytes block;
    {
        CArchive ar(block);
        ar.WriteCount(static_cast<uint64_t>(stored.GetSize()));
        for (CMenuItem& button : stored)
            button.Serialize(ar);
    }
    CArray<CMenuItem> loaded;
    CArchive ar(block.data(), block.size());
    LoadMenuItems(ar, loaded, 1);
    EXPECT_TRUE(loaded == stored);
    EXPECT_EQ(ar.GetRemaining(), 0u);
}

}  // namespace
