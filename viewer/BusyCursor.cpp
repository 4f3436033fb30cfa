#include "viewer/BusyCursor.h"

#include <QCursor>
#include <QGuiApplication>

CBusyCursor::CBusyCursor(bool slow)
{
    if (!slow || !qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    // The decode runs before the event loop turns again: the change has to
    // reach the window system now to be seen at all.
    QGuiApplication::sync();
    m_shown = true;
}

CBusyCursor::~CBusyCursor()
{
    if (m_shown)
        QGuiApplication::restoreOverrideCursor();
}
