#include "skin/QtUserDialogs.h"

#include <QCoreApplication>
#include <QMessageBox>

CUserDialogs::Answer CQtUserDialogs::MessageBox(std::string_view text, Buttons buttons, Icon icon)
{
    QMessageBox box(icon == Icon::Stop ? QMessageBox::Critical : QMessageBox::Warning,
        QCoreApplication::applicationName(),
        QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())),
        buttons == Buttons::YesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, m_parent);
    const int result = box.exec();
    if (buttons == Buttons::Ok)
        return Answer::Ok;
    return result == QMessageBox::Yes ? Answer::Yes : Answer::No;
}
