#pragma once

#include "skin/SkinDialog.h"

#include <string>
#include <vector>

// A skinned dialog that shows its skin state to the tests and records what
// its name hooks receive.
class TestDialog : public CSkinDialog {
public:
    using CSkinDialog::BuildWindowRegion;
    using CSkinDialog::m_bmpBackground;
    using CSkinDialog::m_bmpIcon;
    using CSkinDialog::m_crTransparent;
    using CSkinDialog::m_drag;
    using CSkinDialog::m_rcIcon;
    using CSkinDialog::m_rcViewer;
    using CSkinDialog::m_rgnWindow;

    void LoadFrom(const std::string& iniPath)
    {
        SetIniPath(iniPath);
        LoadSkin();
    }

    void OnSkinButton(std::string name) override { calls.push_back("button " + name); }
    void OnSkinOption(std::string name) override { calls.push_back("option " + name); }
    void OnSkinSlider(std::string name, int pos) override { calls.push_back("slider " + name + " " + std::to_string(pos)); }

    std::vector<std::string> calls;
};
