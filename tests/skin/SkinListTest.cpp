#include "skin/SkinList.h"

#include <gtest/gtest.h>

namespace {

struct FakeControl : CSkinIdentity {
    FakeControl(std::string name, int index) { m_strName = std::move(name), m_nIndex = index; }
};

CSkinList<FakeControl> ListOf(std::initializer_list<std::pair<const char*, int>> entries)
{
    CSkinList<FakeControl> list;
    for (const auto& [name, index] : entries)
        list.Add(std::make_unique<FakeControl>(name, index));
    return list;
}

TEST(SkinList, PositionsAndBounds)
{
    const auto list = ListOf({ { "A", 0 }, { "B", 1 } });
    EXPECT_EQ(list.GetSize(), 2);
    EXPECT_EQ(list.GetAt(1)->m_strName, "B");
    EXPECT_EQ(list.GetAt(2), nullptr);
    EXPECT_EQ(list.GetAt(-1), nullptr);
    EXPECT_EQ(CSkinList<FakeControl>().GetAt(0), nullptr);
}

TEST(SkinList, ReportsFindTheControlThatSentThem)
{
    // Keys 1, 2 and 4: the entry of key 4 sits at position 2 with index 3.
    const auto list = ListOf({ { "A", 0 }, { "B", 1 }, { "D", 3 } });
    EXPECT_EQ(list.FindByIndex(0)->m_strName, "A");
    EXPECT_EQ(list.FindByIndex(1)->m_strName, "B");
    EXPECT_EQ(list.FindByIndex(3)->m_strName, "D");
    EXPECT_EQ(list.FindByIndex(2), nullptr);
    EXPECT_EQ(list.FindByIndex(-1), nullptr);
}

TEST(SkinList, FindTakesTheFirstExactName)
{
    const auto list = ListOf({ { "SLIDER_VOLUME", 0 }, { "SLIDER_PROGRESS", 1 }, { "SLIDER_PROGRESS", 2 } });
    EXPECT_EQ(list.Find("SLIDER_PROGRESS")->m_nIndex, 1);
    EXPECT_EQ(list.Find("slider_progress"), nullptr);
    EXPECT_EQ(list.Find("SLIDER_PROGRESS "), nullptr);
    EXPECT_EQ(list.Find(""), nullptr);
}

TEST(SkinList, RemoveAllDestroysTheControls)
{
    auto list = ListOf({ { "A", 0 } });
    list.RemoveAll();
    EXPECT_TRUE(list.IsEmpty());
}

TEST(OptionRule, ClickUnchecksAllButItselfAndTheUngroupedOne)
{
    EXPECT_TRUE(IsClearedByOptionClick("OPTION_A", false));
    EXPECT_FALSE(IsClearedByOptionClick("OPTION_A", true));
    EXPECT_FALSE(IsClearedByOptionClick("OPTION_AUDIOSTREAM1", false));
    EXPECT_FALSE(IsClearedByOptionClick("OPTION_AUDIOSTREAM1", true));
    EXPECT_TRUE(IsClearedByOptionClick("option_audiostream1", false));
}

} // namespace
