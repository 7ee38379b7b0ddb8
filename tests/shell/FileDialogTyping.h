#pragma once
// Qt's own file dialog, up as a modal window, answered as a user answers it.
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QtTest>

namespace shelltest {

// Types a name into the name box of the file dialog that is up; the box,
// or null when no such dialog is up.
inline QLineEdit* typeFileName(const QString& typed) {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    if (!dialog) return nullptr;
    auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    if (name) QTest::keyClicks(name, typed);
    return name;
}

} // namespace shelltest
