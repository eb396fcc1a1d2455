#include "viewer/ui/MessageBoxViewerPrompter.h"

#include <QApplication>
#include <QMessageBox>

void CMessageBoxViewerPrompter::ShowMessage(const QString& text, Icon icon, const QString& caption)
{
    QMessageBox::Icon boxIcon = QMessageBox::Information;
    if (icon == Icon::Warning)
        boxIcon = QMessageBox::Warning;
    else if (icon == Icon::Error)
        boxIcon = QMessageBox::Critical;
    QMessageBox box(boxIcon, caption, text, QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}
