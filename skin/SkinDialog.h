#pragma once

#include "skin/ColorRef.h"
#include "skin/IniFile.h"
#include "skin/SkinList.h"
#include "skin/UserDialogs.h"
#include "skin/WindowDrag.h"
#include "skin/WorkFolder.h"
#include "zip/ZipReader.h"

#include <QDialog>
#include <QImage>
#include <QPixmap>
#include <QRect>
#include <QRegion>
#include <memory>
#include <string>

class CLabel;
class CSkinButton;
class CSkinCheckBox;
class CSkinComboFrame;
class CSkinEdit;
class CSkinListBox;
class CSkinOptionButton;
class CSkinSlider;

// The full path of the folder of the skin being loaded, ending in '/'.
extern std::string g_strSkinFolder;

// A window drawn entirely from a skin: the background bitmap, shaped by its
// transparent colour, the icon picture, and the skinned controls that the
// description lists. The controls report by their index; the dialog turns
// the index into the control's name and calls the name hooks, which a
// derived dialog overrides to act on the names.
class CSkinDialog : public QDialog {
    Q_OBJECT
public:
    explicit CSkinDialog(QWidget* parent = nullptr);
    ~CSkinDialog() override;

    // Initialises the dialog and runs it modally; the result of the run.
    int DoModal();
    virtual bool OnInitDialog();

    void SetIniPath(const std::string& path) { m_strIniPath = path; }

    // Unpacks every entry of the skin package `archive` below `folder`,
    // asking to retry when the archive has no end record and reporting
    // "Open failed" or "Extract failed" otherwise. The caller goes on in
    // every case, with whatever was unpacked.
    void ExtractPackage(const std::string& archive, const std::string& folder);
    // Removes a work folder that NewWorkFolder made, with all it holds; any
    // other folder is left alone.
    void RemoveFolder(const std::string& folder);
    // A new empty folder to unpack a package into; empty if none could be
    // made.
    std::string NewWorkFolder() { return m_workFolders.Create(); }

    // Where the dialog's questions and messages go; Qt's message boxes
    // unless a test answers instead.
    void SetUserDialogs(std::unique_ptr<CUserDialogs> dialogs) { m_pDialogs = std::move(dialogs); }
    CUserDialogs& UserDialogs() { return *m_pDialogs; }

    CSkinButton* FindButton(std::string_view name) const;
    CSkinSlider* FindSlider(std::string_view name) const;
    CLabel* FindLabel(std::string_view name) const;

    // Name hooks, called with the name of the control that reported.
    virtual void OnSkinButton(std::string name);
    virtual void OnSkinOption(std::string name);
    virtual void OnSkinSlider(std::string name, int pos);
    virtual void OnSkinMouseMove(std::string name, int x, int y);

    // Reports of the skinned controls, by index.
    virtual void OnButtonClicked(int index);
    virtual void OnOptionClicked(int index);
    virtual void OnCheckClicked(int index);
    virtual void OnSliderMoved(int index, int pos);

    virtual std::string GetPathFolder(const std::string& path);
    virtual void ReleaseSkin();
    virtual void LoadSkin();

    // The controls of the current skin, in creation order. The controls
    // reach the lists of their kind through their parent.
    CSkinList<CSkinButton> m_arrButtons;
    CSkinList<CSkinSlider> m_arrSliders;
    CSkinList<CSkinEdit> m_arrEditBoxes;
    CSkinList<CSkinListBox> m_arrListBoxes;
    CSkinList<CLabel> m_arrLabels;
    CSkinList<CSkinOptionButton> m_arrOptionButtons;
    CSkinList<CSkinCheckBox> m_arrCheckBoxes;
    CSkinList<CSkinComboFrame> m_arrComboBoxes;

    // The background as the controls paint it under themselves, in the
    // dialog's client coordinates; made once per skin load.
    const QPixmap& BackgroundCopy() const { return m_bmpBackgroundCopy; }

protected:
    using SectionReader = void (CSkinDialog::*)(CIniFile);

    // The readers of the sections that build no control.
    void LoadTransparentColor(CIniFile ini);
    void LoadControlRect(CIniFile ini);
    void LoadIconImage(CIniFile ini);

    // Builds the shape of `bmp` without its pixels of colour `key` into
    // `rgn` and gives it to the window; true when a pixel was cut out.
    bool BuildWindowRegion(QRegion& rgn, const QImage& bmp, COLORREF key);
    void BuildBackgroundCopy();

    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // Enter and Escape are dropped before any widget of the dialog sees
    // them, so neither ends the dialog, not even from an edit box.
    bool eventFilter(QObject* watched, QEvent* event) override;

    QRect m_rcViewer;
    QImage m_bmpIcon;
    QRect m_rcIcon;
    std::unique_ptr<CLabel> m_pCaption;
    // No skin has given a transparent colour yet: nothing is cut out.
    COLORREF m_crTransparent = kNoColor;
    QRegion m_rgnWindow;
    int m_nCurrentSkin = 0;
    QPixmap m_bmpBackgroundCopy;
    std::string m_strIniPath;
    QImage m_bmpBackground;
    CWindowDrag m_drag;
    std::unique_ptr<CUserDialogs> m_pDialogs;
    CWorkFolders m_workFolders;
    CZipReader m_zip;

private:
    void ApplyWindowShape(const QImage& bmp, const QRegion& rgn);
};
