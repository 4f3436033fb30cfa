// The skin load sequence: from a description to the dialog's controls,
// shape and background copy.

#include "skin/SkinDialog.h"

#include "skin/SkinFields.h"
#include "skin/SkinPainting.h"
#include "skin/SkinPath.h"

// Replaces the current skin with the one that m_strIniPath describes. The
// order matters: the transparent colour is read before the window shape is
// cut and before the controls that draw with it are built, and every control
// exists before the steps after the readers look controls up by name.
void CSkinDialog::LoadSkin()
{
    // The section readers, in the order in which they run. The readers of
    // the control sections take their places here as the controls arrive:
    // TASKBARBUTTON after CONTROL; BUTTONINFO, SLIDERINFO, OPTIONINFO,
    // CHECKINFO, CAPTION, LABELINFO, EDITBOXINFO, LISTBOXINFO and
    // COMBOBOXINFO after ICON.
    static constexpr SectionReader kSectionReaders[] = {
        &CSkinDialog::LoadControlRect, // CONTROL
        &CSkinDialog::LoadIconImage, // ICON
    };

    ReleaseSkin();

    const CIniFile ini(m_strIniPath);
    const std::string background = ini.GetString("Screen", "Main", "");
    LoadBitmapFile(ResolveSkinFile(GetPathFolder(m_strIniPath), background), m_bmpBackground);
    LoadTransparentColor(ini);
    BuildWindowRegion(m_rgnWindow, m_bmpBackground, m_crTransparent);

    for (const SectionReader read : kSectionReaders)
        (this->*read)(ini);

    BuildBackgroundCopy();
    update();
}

void CSkinDialog::LoadTransparentColor(CIniFile ini)
{
    // Unlike other colour fields, an empty value keeps the colour that an
    // earlier skin gave.
    const std::string value = ini.GetString("TRANSPARENT", "COLOR", "");
    if (!value.empty())
        m_crTransparent = StringToColor(value);
}

void CSkinDialog::LoadControlRect(CIniFile ini)
{
    std::string value = ini.GetString("CONTROL", "CONTROL", "");
    if (!value.empty())
        m_rcViewer = ToQRect(ExtractRect(value));
}

void CSkinDialog::LoadIconImage(CIniFile ini)
{
    std::string value = ini.GetString("ICON", "ICON", "");
    if (value.empty())
        return;
    const std::string file = ExtractToken(value);
    m_rcIcon = ToQRect(ExtractRect(value));
    LoadBitmapFile(ResolveSkinFile(GetPathFolder(m_strIniPath), file), m_bmpIcon);
}
