#include "skin/SkinDialog.h"

#include "controls/Label.h"
#include "controls/SkinButton.h"
#include "controls/SkinCheckBox.h"
#include "controls/SkinComboFrame.h"
#include "controls/SkinEdit.h"
#include "controls/SkinListBox.h"
#include "controls/SkinOptionButton.h"
#include "controls/SkinSlider.h"
#include "skin/QtUserDialogs.h"
#include "skin/SkinPainting.h"
#include "skin/SkinPath.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

std::string g_strSkinFolder;

namespace {

// A window whose skin has no background gets the system's frame and this
// size, so that the user can still see it and close it.
constexpr QSize kPlainWindowSize(640, 480);

} // namespace

CSkinDialog::CSkinDialog(QWidget* parent)
    : QDialog(parent)
    , m_pDialogs(std::make_unique<CQtUserDialogs>(this))
{
    setMouseTracking(true);
    qApp->installEventFilter(this);
}

CSkinDialog::~CSkinDialog()
{
    ReleaseSkin();
}

int CSkinDialog::DoModal()
{
    OnInitDialog();
    return exec();
}

bool CSkinDialog::OnInitDialog()
{
    m_nCurrentSkin = 0;
    return true;
}

CSkinButton* CSkinDialog::FindButton(std::string_view name) const { return m_arrButtons.Find(name); }
CSkinSlider* CSkinDialog::FindSlider(std::string_view name) const { return m_arrSliders.Find(name); }
CLabel* CSkinDialog::FindLabel(std::string_view name) const { return m_arrLabels.Find(name); }

void CSkinDialog::OnSkinButton(std::string) { }
void CSkinDialog::OnSkinOption(std::string) { }
void CSkinDialog::OnSkinSlider(std::string, int) { }
void CSkinDialog::OnSkinMouseMove(std::string, int, int) { }

// A report whose index names no control of its list (possible only in a
// skin numbered with gaps) is dropped.
void CSkinDialog::OnButtonClicked(int index)
{
    if (CSkinButton* button = m_arrButtons.FindByIndex(index))
        OnSkinButton(button->m_strName);
}

void CSkinDialog::OnOptionClicked(int index)
{
    CSkinOptionButton* clicked = m_arrOptionButtons.FindByIndex(index);
    if (!clicked)
        return;
    // The clicked button has already checked itself.
    for (const auto& option : m_arrOptionButtons) {
        if (IsClearedByOptionClick(option->m_strName, option.get() == clicked)) {
            option->m_bChecked = false;
            option->update();
        }
    }
    OnSkinOption(clicked->m_strName);
}

// A check box reports no name: its state is all it has to say.
void CSkinDialog::OnCheckClicked(int) { }

void CSkinDialog::OnSliderMoved(int index, int pos)
{
    if (CSkinSlider* slider = m_arrSliders.FindByIndex(index))
        OnSkinSlider(slider->m_strName, pos);
}

std::string CSkinDialog::GetPathFolder(const std::string& path)
{
    return ::GetPathFolder(path);
}

void CSkinDialog::ReleaseSkin()
{
    m_bmpBackground = QImage();
    m_rgnWindow = QRegion();
    m_bmpBackgroundCopy = QPixmap();
    m_arrButtons.RemoveAll();
    m_arrEditBoxes.RemoveAll();
    m_arrListBoxes.RemoveAll();
    m_arrOptionButtons.RemoveAll();
    m_arrCheckBoxes.RemoveAll();
    m_arrLabels.RemoveAll();
    m_pCaption.reset();
    m_arrSliders.RemoveAll();
    m_arrComboBoxes.RemoveAll();
}

bool CSkinDialog::BuildWindowRegion(QRegion& rgn, const QImage& bmp, COLORREF key)
{
    std::size_t removed = 0;
    rgn = bmp.isNull() ? QRegion() : BuildShapeRegion(bmp, key, &removed);
    ApplyWindowShape(bmp, rgn);
    return removed > 0;
}

void CSkinDialog::ApplyWindowShape(const QImage& bmp, const QRegion& rgn)
{
    const Qt::WindowFlags flags = bmp.isNull() ? Qt::WindowFlags(Qt::Window) : Qt::Window | Qt::FramelessWindowHint;
    if (windowFlags() != flags) {
        const bool wasVisible = isVisible();
        setWindowFlags(flags);
        if (wasVisible)
            show();
    }
    if (bmp.isNull()) {
        clearMask();
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        resize(kPlainWindowSize);
        return;
    }
    // What lies beyond the background is outside the shape anyway, so the
    // window takes the background's size.
    setFixedSize(bmp.size());
    // An empty mask would mean "no mask" to Qt; a background that is all
    // transparent gets a shape that lies wholly outside the window instead.
    setMask(rgn.isEmpty() ? QRegion(-1, -1, 1, 1) : rgn);
}

void CSkinDialog::BuildBackgroundCopy()
{
    m_bmpBackgroundCopy = QPixmap::fromImage(m_bmpBackground);
}

void CSkinDialog::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    DrawBitmap(painter, m_bmpBackground, rect());
    DrawTransparentBitmap(painter, m_bmpIcon, m_rcIcon, m_crTransparent);
}

void CSkinDialog::mousePressEvent(QMouseEvent* event)
{
    // Only presses on the bare background (and on labels, which let the
    // mouse through) arrive here; the other controls keep theirs.
    if (event->button() == Qt::LeftButton)
        m_drag.Press(*this, event->globalPosition().toPoint());
    QDialog::mousePressEvent(event);
}

void CSkinDialog::mouseMoveEvent(QMouseEvent* event)
{
    m_drag.Move(*this, event->globalPosition().toPoint());
    QDialog::mouseMoveEvent(event);
    const QPoint pos = event->position().toPoint();
    OnSkinMouseMove("", pos.x(), pos.y());
}

void CSkinDialog::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        m_drag.Release();
    QDialog::mouseReleaseEvent(event);
}

bool CSkinDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        const auto* widget = qobject_cast<QWidget*>(watched);
        if ((key == Qt::Key_Escape || key == Qt::Key_Return || key == Qt::Key_Enter) && widget && widget->window() == this)
            return true;
    }
    return QDialog::eventFilter(watched, event);
}
