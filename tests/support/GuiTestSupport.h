#pragma once
// Helpers the window tests share: controls found, read and driven by their
// names as the user works them, a modal window driven while another window has
// it open, files written and read back, page counts of the documents shown, and
// a window's picture saved when TESSARO_SCREENSHOTS names a folder (for looking
// at layouts).

#include "model/UserMessage.h"
#include "support/TestSupport.h"
#include "ui/EntryBoxes.h"
#include "ui/Modal.h"
#include "ui/SpreadGrid.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPdfDocument>
#include <QProcess>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>
#include <type_traits>

namespace tessaro::test {

template <class T> T* control(QWidget& window, const QString& name)
{
    T* c = window.findChild<T*>(name);
    EXPECT_NE(c, nullptr) << name.toStdString();
    return c;
}

// Clicks a button of the window, found by its name.
inline void click(QWidget& window, const QString& name)
{
    if (auto* b = control<QAbstractButton>(window, name))
        b->click();
}

// Sets a check box or option button as a click on it does.
inline void check(QWidget& window, const QString& name, bool on = true)
{
    if (auto* b = control<QAbstractButton>(window, name))
        b->setChecked(on);
}

// Turns a check box in a list's cell over from the keyboard: the cell made
// current, then the space bar.
inline void toggleCheck(QAbstractItemView* list, int row, int column = 0)
{
    list->setCurrentIndex(list->model()->index(row, column));
    QTest::keyClick(list, Qt::Key_Space);
}

inline bool enabled(QWidget& window, const QString& name)
{
    auto* c = control<QWidget>(window, name);
    return c && c->isEnabled();
}

// What a label or a box of the window shows.
inline QString textOf(QWidget& window, const QString& name)
{
    if (auto* label = window.findChild<QLabel*>(name))
        return label->text();
    auto* box = control<QLineEdit>(window, name);
    return box ? box->text() : QString();
}

// Puts text into a box without ending its entry (the window's OK checks it).
inline void setText(QWidget& window, const QString& box, const QString& text)
{
    if (auto* b = control<QLineEdit>(window, box))
        b->setText(text);
}

// Types into an entry box and leaves it for the control `next`: leaving ends
// the entry and runs its checks.
inline void enterText(QWidget& window, const QString& box, const QString& text, const QString& next)
{
    auto* b = control<ui::EntryBox>(window, box);
    b->SetFocus();
    b->SetText(text);
    control<QWidget>(window, next)->setFocus();
}

// Types into a grid cell key by key as the operator does (the first key opens
// the cell editor), then the key that ends the entry; lets the window finish
// what the entry set off.
inline void typeInto(ui::SpreadGrid& grid, int col, int row, const QString& text, Qt::Key end = Qt::Key_Return)
{
    grid.setFocus();
    grid.SetActiveCell(col, row);
    for (QChar c : text)
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &grid, c.toLatin1());
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &grid, end);
    QCoreApplication::processEvents();
}

// Runs `open` (a ShowForm or a button that opens the modal window `name`) with
// `steps` driving that window; returns what `open` returns.
template <class Open> auto drive(const QString& name, ui::ModalScript::Driver steps, Open open)
{
    ui::ModalScript modal;
    modal.expect(name, std::move(steps));
    if constexpr (std::is_void_v<decltype(open())>) {
        open();
        EXPECT_TRUE(modal.allUsed()) << name.toStdString();
    }
    else {
        auto result = open();
        EXPECT_TRUE(modal.allUsed()) << name.toStdString();
        return result;
    }
}

// The text of the last message shown; empty when none was (a failed check then
// reads as one instead of ending the test program).
inline QString lastText(const MessageScript& messages)
{
    return messages.empty() ? QString() : messages.last().text;
}

// Shows the window as the active one so that focus and key events behave as on
// the desktop.
inline void showActive(QWidget& w)
{
    w.show();
    QApplication::setActiveWindow(&w);
    w.activateWindow();
    QTest::qWait(0);
}

// Writes a whole file, its folder made first; returns its path.
inline QString writtenFile(const QString& path, const QByteArray& bytes)
{
    EXPECT_TRUE(writeFile(path, bytes)) << path.toStdString();
    return path;
}

inline QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Pages of a PDF document; −1 when it cannot be read.
inline int pdfPages(const QString& file)
{
    QPdfDocument pdf;
    return pdf.load(file) == QPdfDocument::Error::None ? pdf.pageCount() : -1;
}

// The text poppler's pdftotext reads from a PDF, as a client's tools find it,
// and what pdftotext complained of (damaged drawing operators and the like).
inline QString pdfToText(const QString& file, QString* complaints = nullptr)
{
    QProcess pdftotext;
    pdftotext.start("pdftotext", { "-enc", "UTF-8", file, "-" });
    EXPECT_TRUE(pdftotext.waitForFinished(60000)) << "pdftotext (poppler-utils, scripts/setup-deps.sh) did not run";
    if (complaints)
        *complaints = QString::fromUtf8(pdftotext.readAllStandardError());
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

inline void screenshot(QWidget& w, const QString& name)
{
    QString dir = qEnvironmentVariable("TESSARO_SCREENSHOTS");
    if (dir.isEmpty())
        return;
    w.show();
    QApplication::processEvents();
    w.grab().save(QDir(dir).filePath(name + ".png"));
}

} // namespace tessaro::test
