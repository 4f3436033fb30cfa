#include "viewer/PageBounds.h"
#include "viewer/SaveFormat.h"
#include "viewer/SaveSize.h"

#include <gtest/gtest.h>

namespace {

TEST(SaveSize, TwoIntegersGiveExactOneGivesAspectNoneKeeps)
{
    struct Case {
        const char* name;
        int a;
        int b;
        PixelSize expected;
    } const cases[] = {
        {"both positive", 160, 120, {160, 120}},
        {"both positive, other aspect", 100, 400, {100, 400}},
        {"width only", 400, 0, {400, 200}},
        {"width, negative height", 400, -5, {400, 200}},
        {"height only", 0, 50, {100, 50}},
        {"neither", 0, 0, {800, 400}},
        {"both negative", -1, -1, {800, 400}},
        {"tiny width keeps one row", 1, 0, {1, 1}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SaveSize::OutputSize({800, 400}, c.a, c.b), c.expected) << c.name;
}

TEST(SaveSize, FitWithinShrinksKeepingAspect)
{
    EXPECT_EQ(SaveSize::FitWithin({1024, 512}, 256), (PixelSize{256, 128}));
    EXPECT_EQ(SaveSize::FitWithin({300, 1200}, 256), (PixelSize{64, 256}));
    EXPECT_EQ(SaveSize::FitWithin({160, 120}, 256), (PixelSize{160, 120}));
}

TEST(SaveFormat, DialogNamesAndCommonSpellingsInAnyCase)
{
    struct Case {
        const char* name;
        std::optional<SaveFormat> format;
    } const cases[] = {
        {"Bmp", SaveFormat::Bmp},   {"bmp", SaveFormat::Bmp},   {"JPG", SaveFormat::Jpeg}, {"jpeg", SaveFormat::Jpeg},
        {"TIF", SaveFormat::Tiff},  {"Tiff", SaveFormat::Tiff}, {"PDF", SaveFormat::Pdf},  {"WBMP", SaveFormat::Wbmp},
        {"GIF", SaveFormat::Gif},   {"PCX", SaveFormat::Pcx},   {"TGA", SaveFormat::Tga},  {"ICO", SaveFormat::Ico},
        {"JP2", SaveFormat::Jp2},   {"JPC", SaveFormat::Jpc},   {"j2k", SaveFormat::Jpc},  {"RAS", SaveFormat::Ras},
        {"PGX", SaveFormat::Pgx},   {"PNM", SaveFormat::Pnm},   {"PNG", SaveFormat::Png},  {" png ", SaveFormat::Png},
        {"", std::nullopt},         {"WEBP", std::nullopt},     {"PN", std::nullopt},      {"PNGX", std::nullopt},
        {".png", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SaveFormats::Parse(c.name), c.format) << '"' << c.name << '"';
}

TEST(SaveFormat, DocumentFormatsHoldEveryPage)
{
    EXPECT_TRUE(SaveFormats::HoldsAllPages(SaveFormat::Tiff));
    EXPECT_TRUE(SaveFormats::HoldsAllPages(SaveFormat::Pdf));
    EXPECT_TRUE(SaveFormats::HoldsAllPages(SaveFormat::Gif));
    EXPECT_FALSE(SaveFormats::HoldsAllPages(SaveFormat::Png));
    EXPECT_FALSE(SaveFormats::HoldsAllPages(SaveFormat::Ico));
}

TEST(PageBounds, PagesAreOneToCountAndSplitsLeaveBothPartsAPage)
{
    EXPECT_FALSE(PageBounds::IsPage(0, 5));
    EXPECT_TRUE(PageBounds::IsPage(1, 5));
    EXPECT_TRUE(PageBounds::IsPage(5, 5));
    EXPECT_FALSE(PageBounds::IsPage(6, 5));
    EXPECT_FALSE(PageBounds::IsPage(-1, 5));
    EXPECT_FALSE(PageBounds::IsPage(1, 0));

    EXPECT_FALSE(PageBounds::PlanSplit(0, 5));
    EXPECT_EQ(PageBounds::PlanSplit(1, 5)->firstEnd, 1);
    EXPECT_EQ(PageBounds::PlanSplit(4, 5)->firstEnd, 4);
    EXPECT_FALSE(PageBounds::PlanSplit(5, 5));
    EXPECT_FALSE(PageBounds::PlanSplit(1, 1));
    EXPECT_FALSE(PageBounds::PlanSplit(-3, 5));
}

} // namespace
