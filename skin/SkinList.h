#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

// The name and position that every skinned control carries: its name from
// the description, compared exactly, and its index, key number - 1 of its
// entry, which is its position in its list when the section is numbered
// without gaps.
struct CSkinIdentity {
    std::string m_strName;
    int m_nIndex = 0;
};

// One kind of skinned control, in creation order. The list owns its
// controls; clearing it destroys them.
template<class Control>
class CSkinList {
public:
    void Add(std::unique_ptr<Control> control) { m_items.push_back(std::move(control)); }
    void RemoveAll() { m_items.clear(); }

    int GetSize() const { return static_cast<int>(m_items.size()); }
    bool IsEmpty() const { return m_items.empty(); }

    // The control at `position`; null outside the list.
    Control* GetAt(int position) const
    {
        if (position < 0 || position >= GetSize())
            return nullptr;
        return m_items[static_cast<std::size_t>(position)].get();
    }

    // The control that reports `index`. That is the control at position
    // `index` in a well-numbered skin; in a skin numbered with gaps the
    // position and the index part, and the index decides, so a report
    // never names another control than the one that sent it.
    Control* FindByIndex(int index) const
    {
        if (Control* atPosition = GetAt(index); atPosition && atPosition->m_nIndex == index)
            return atPosition;
        for (const auto& item : m_items) {
            if (item->m_nIndex == index)
                return item.get();
        }
        return nullptr;
    }

    // The first control named `name` (exact, case-sensitive); null if none.
    Control* Find(std::string_view name) const
    {
        for (const auto& item : m_items) {
            if (item->m_strName == name)
                return item.get();
        }
        return nullptr;
    }

    auto begin() const { return m_items.begin(); }
    auto end() const { return m_items.end(); }

private:
    std::vector<std::unique_ptr<Control>> m_items;
};

// The option button that stays out of the group: a click on another option
// button never unchecks it.
inline constexpr std::string_view kUngroupedOption = "OPTION_AUDIOSTREAM1";

// Whether a click on an option button unchecks the one named `name`: all
// but the clicked one and the ungrouped one.
constexpr bool IsClearedByOptionClick(std::string_view name, bool isClicked)
{
    return !isClicked && name != kUngroupedOption;
}
