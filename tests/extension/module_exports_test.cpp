// The built modules: their five exports as the host finds them with dlopen.
#include <gtest/gtest.h>

#include <dlfcn.h>

#include <string>

#include "../test_printers.h"
#include "extension/entry_points.h"

namespace {

struct Module {
    explicit Module(const char* name)
    {
        std::string path = std::string(TRELLIS_BIN_DIR) + "/" + name + ".cvx64";
        handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
        EXPECT_NE(handle, nullptr) << dlerror();
    }
    template <typename Fn>
    Fn Get(const char* name) const
    {
        void* symbol = handle ? dlsym(handle, name) : nullptr;
        EXPECT_NE(symbol, nullptr) << name;
        return reinterpret_cast<Fn>(symbol);
    }
    void* handle = nullptr;
};

TEST(ModuleExports, CopyTextsTheWayTheHostExpects)
{
    Module v2("Trellisv2");
    auto getDescription = v2.Get<GetTextFn>("GetDescription");
    auto getToolbarText = v2.Get<GetTextFn>("GetToolbarText");
    ASSERT_TRUE(getDescription && getToolbarText);

    char16_t small[10];
    std::fill(std::begin(small), std::end(small), u'#');
    EXPECT_EQ(getDescription(small, 10), 10u);
    EXPECT_EQ(std::u16string(small), u"Implement");

    char16_t large[100];
    EXPECT_EQ(getDescription(large, 100), 49u);
    EXPECT_EQ(std::u16string(large), u"Implements a responsive Mega Menu using CSS only.");

    char16_t untouched[4] = {u'x', u'y', u'z', 0};
    EXPECT_EQ(getToolbarText(untouched, 0), 0u);
    EXPECT_EQ(std::u16string(untouched), u"xyz");
    EXPECT_EQ(getToolbarText(large, 100), 10u);
    EXPECT_EQ(std::u16string(large), u"Trellis v2");

    Module v1("Trellis");
    auto getDescription1 = v1.Get<GetTextFn>("GetDescription");
    ASSERT_TRUE(getDescription1);
    EXPECT_EQ(getDescription1(large, 100), 18u);
    EXPECT_EQ(std::u16string(large), u"Responsive Trellis");
}

TEST(ModuleExports, CreateAndDeleteObjectsAndGiveTheToolbarBitmap)
{
    for (const char* name : {"Trellis", "Trellisv2"}) {
        Module module(name);
        auto create = module.Get<CreateExtensionObjectFn>("CreateExtensionObject");
        auto destroy = module.Get<DeleteExtensionObjectFn>("DeleteExtensionObject");
        auto bitmap = module.Get<GetToolbarBitmapFn>("GetToolbarBitmap");
        ASSERT_TRUE(create && destroy && bitmap);
        CCorvaneExtension* object = create();
        ASSERT_NE(object, nullptr);
        EXPECT_EQ(object->GetURLCount(), 84);
        destroy(object);
        destroy(nullptr);

        HBITMAP picture = bitmap();
        EXPECT_EQ(picture.width, 16);
        EXPECT_EQ(picture.height, 16);
        EXPECT_EQ(picture.pixels.size(), 16u * 16u * 3u);
    }
}

}  // namespace
