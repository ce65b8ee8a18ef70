#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QFontDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPrintDialog>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <thread>

#include "platform/qt_platform.h"
#include "support/temp_folder.h"

namespace tarvo {
namespace {

// Acts on the first visible top-level dialog of type T once the event loop of the modal
// dialog runs. With `unexpected`, a message box that the dialog raises while acting, or
// the dialog staying open afterwards, is recorded and closed, so that a fault fails the
// test instead of hanging it.
template <typename T>
void WhenShown(std::function<void(T*)> act, QStringList* unexpected = nullptr, int tries = 200) {
    QTimer::singleShot(10, [act, unexpected, tries] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* dialog = qobject_cast<T*>(widget); dialog && dialog->isVisible()) {
                if (unexpected) {
                    // Armed first: a question from the dialog runs inside act().
                    WhenShown<QMessageBox>(
                        [unexpected](QMessageBox* box) {
                            unexpected->append(box->text());
                            box->reject();
                        },
                        nullptr, 20);
                }
                QPointer<QWidget> shown(dialog);
                act(dialog);
                if (unexpected && shown && shown->isVisible()) {
                    // The dialog refused the answer: it would wait for ever.
                    unexpected->append(QStringLiteral("dialog stayed open"));
                    qobject_cast<QDialog*>(shown.data())->reject();
                }
                return;
            }
        }
        if (tries > 0) {
            WhenShown<T>(act, unexpected, tries - 1);
        }
    });
}

struct SeenBox {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
};

// Shows a message box through QtPlatform, answers it with `press` (or Escape when
// NoButton) and returns what the box looked like.
SeenBox ShowAndAnswer(QtPlatform& platform, std::string_view text, MsgButtons buttons, MsgIcon icon,
                      QMessageBox::StandardButton press, MsgAnswer* answer) {
    SeenBox seen;
    WhenShown<QMessageBox>([&seen, press](QMessageBox* box) {
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.icon = box->icon();
        seen.buttons = box->standardButtons();
        if (auto* button = box->defaultButton()) {
            seen.defaultButton = box->standardButton(button);
        }
        if (press == QMessageBox::NoButton) {
            box->escapeButton()->click();
        } else {
            box->button(press)->click();
        }
    });
    *answer = platform.messageBox(text, buttons, icon, "SNG Tarvo");
    return seen;
}

TEST(QtPlatformTest, MessageBoxShowsTextTitleIconAndButtonsAndReturnsThePress) {
    QtPlatform platform;
    MsgAnswer answer = MsgAnswer::Ok;

    SeenBox seen =
        ShowAndAnswer(platform, "Delete this location?\n\rDo you really want to do that?",
                      MsgButtons::YesNo, MsgIcon::Question, QMessageBox::No, &answer);
    EXPECT_EQ(answer, MsgAnswer::No);
    EXPECT_EQ(seen.title, "SNG Tarvo");
    EXPECT_EQ(seen.text, "Delete this location?\nDo you really want to do that?");
    EXPECT_EQ(seen.icon, QMessageBox::Question);
    EXPECT_EQ(seen.buttons, QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(seen.defaultButton, QMessageBox::Yes);

    seen = ShowAndAnswer(platform, "Overwrite?", MsgButtons::OkCancel, MsgIcon::Exclamation,
                         QMessageBox::Ok, &answer);
    EXPECT_EQ(answer, MsgAnswer::Ok);
    EXPECT_EQ(seen.icon, QMessageBox::Warning);
    EXPECT_EQ(seen.buttons, QMessageBox::Ok | QMessageBox::Cancel);

    // Escape gives the last button: Cancel, No, or OK when alone.
    ShowAndAnswer(platform, "x", MsgButtons::OkCancel, MsgIcon::None, QMessageBox::NoButton,
                  &answer);
    EXPECT_EQ(answer, MsgAnswer::Cancel);
    ShowAndAnswer(platform, "x", MsgButtons::YesNo, MsgIcon::None, QMessageBox::NoButton, &answer);
    EXPECT_EQ(answer, MsgAnswer::No);
    seen = ShowAndAnswer(platform, "Bad file", MsgButtons::Ok, MsgIcon::Critical,
                         QMessageBox::NoButton, &answer);
    EXPECT_EQ(answer, MsgAnswer::Ok);
    EXPECT_EQ(seen.icon, QMessageBox::Critical);
    EXPECT_EQ(seen.buttons, QMessageBox::Ok);
    seen = ShowAndAnswer(platform, "Done", MsgButtons::Ok, MsgIcon::None, QMessageBox::Ok, &answer);
    EXPECT_EQ(seen.icon, QMessageBox::NoIcon);
}

// The window a message box was given, answered with OK.
QWidget* OwnerOfMessage(QtPlatform& platform) {
    QWidget* owner = nullptr;
    WhenShown<QMessageBox>([&owner](QMessageBox* box) {
        owner = box->parentWidget();
        box->button(QMessageBox::Ok)->click();
    });
    platform.messageBox("Margin value cannot be a negative number!", MsgButtons::Ok,
                        MsgIcon::Exclamation, "SNG Tarvo");
    return owner;
}

TEST(QtPlatformTest, DialogsBelongToTheProgramsActiveWindow) {
    QWidget main;
    main.show();
    QWidget preferences;
    preferences.show();
    QtPlatform platform(&main);

    preferences.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&preferences));
    EXPECT_EQ(platform.dialogOwner(), &preferences);
    EXPECT_EQ(OwnerOfMessage(platform), &preferences);

    // A minimised or hidden window keeps no dialog: the main window takes it.
    preferences.showMinimized();
    EXPECT_EQ(OwnerOfMessage(platform), &main);
    preferences.hide();
    EXPECT_EQ(OwnerOfMessage(platform), &main);
}

// Printers only, the whole document: no "print to file" beside the program's own PDF.
TEST(QtPlatformTest, PrintDialogOffersPrintersOnlyAndCancelsWithoutAJob) {
    QWidget main;
    main.show();
    QtPlatform platform(&main);
    bool shown = false;
    WhenShown<QPrintDialog>([&shown, &main](QPrintDialog* dialog) {
        shown = true;
        EXPECT_FALSE(dialog->testOption(QAbstractPrintDialog::PrintToFile));
        EXPECT_FALSE(dialog->testOption(QAbstractPrintDialog::PrintSelection));
        EXPECT_FALSE(dialog->testOption(QAbstractPrintDialog::PrintPageRange));
        EXPECT_EQ(dialog->parentWidget(), &main);
        dialog->reject();
    });
    const PrintJobStart start = platform.startChosenPrinterJob();
    EXPECT_TRUE(shown);
    EXPECT_TRUE(start.cancelled);
    EXPECT_EQ(start.job, nullptr);
    EXPECT_EQ(start.error, "");
}

// Puts a name into the file dialog's name box with nothing selected in its list, as when
// the crew types over the name offered. Only once the dialog has listed its folder (on a
// thread of its own): the listing selects the file it opened on, and a selection wins over
// the name box. QFileDialog::selectFile would not do: it leaves the name box alone while
// that box has the focus, which depends on whether the dialog's window is active by then.
void TypeFileName(QFileDialog* dialog, const std::string& fileName) {
    auto* model = dialog->findChild<QFileSystemModel*>();
    ASSERT_NE(model, nullptr);
    const QModelIndex folder = model->index(dialog->directory().absolutePath());
    ASSERT_TRUE(QTest::qWaitFor([&] { return model->rowCount(folder) > 0; }, 5000));
    auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    ASSERT_NE(name, nullptr);
    auto* list = dialog->findChild<QAbstractItemView*>(QStringLiteral("listView"));
    ASSERT_NE(list, nullptr);
    list->clearSelection();
    name->setText(QString::fromStdString(fileName));
}

TEST(QtPlatformTest, OpenDialogTakesANewFileAndSaveDialogOverwritesWithoutAsking) {
    test::TempFolder folder;
    std::ofstream(folder.file("old.sat")) << "x";
    const std::string dir = folder.path().string();
    QtPlatform platform;
    QStringList unexpected;

    FileDialogRequest request;
    request.kind = FileDialogRequest::Kind::Open;
    request.filter = "Satellite Files (*.sat)|*.sat|All Files (*.*)|*.*";
    request.filterIndex = 2;
    request.fileName = dir + "/old.sat";

    QStringList filters;
    QString selectedFilter;
    QStringList offered;
    WhenShown<QFileDialog>(
        [&](QFileDialog* dialog) {
            filters = dialog->nameFilters();
            selectedFilter = dialog->selectedNameFilter();
            offered = dialog->selectedFiles();
            TypeFileName(dialog, "new.sat");
            static_cast<QDialog*>(dialog)->accept();  // QFileDialog::accept, as the Open button
        },
        &unexpected);
    auto choice = platform.fileDialog(request);
    ASSERT_TRUE(choice.has_value());
    EXPECT_EQ(choice->path, dir + "/new.sat");  // does not exist, and need not
    EXPECT_EQ(choice->fileTitle, "new.sat");
    EXPECT_EQ(filters, QStringList({"Satellite Files (*.sat)", "All Files (*)"}));
    EXPECT_EQ(selectedFilter, "All Files (*)");  // index 2, counted from 1
    EXPECT_EQ(offered, QStringList({QString::fromStdString(dir + "/old.sat")}));

    request.kind = FileDialogRequest::Kind::Save;
    request.filterIndex = 1;
    WhenShown<QFileDialog>(
        [&](QFileDialog* dialog) {
            selectedFilter = dialog->selectedNameFilter();
            TypeFileName(dialog, "old.sat");
            static_cast<QDialog*>(dialog)->accept();  // QFileDialog::accept, as the Open button
        },
        &unexpected);
    choice = platform.fileDialog(request);
    ASSERT_TRUE(choice.has_value());
    EXPECT_EQ(choice->fileTitle, "old.sat");
    EXPECT_EQ(selectedFilter, "Satellite Files (*.sat)");

    WhenShown<QFileDialog>([](QFileDialog* dialog) { dialog->reject(); });
    EXPECT_FALSE(platform.fileDialog(request).has_value());
    EXPECT_THAT(unexpected, ::testing::IsEmpty());
}

TEST(QtPlatformTest, FontDialogGivesNameAndPointSizeOrNothing) {
    QtPlatform platform;
    QFont shown;
    WhenShown<QFontDialog>([&shown](QFontDialog* dialog) {
        QFont font = dialog->currentFont();
        font.setPointSizeF(14);
        dialog->setCurrentFont(font);
        shown = dialog->currentFont();
        dialog->accept();
    });
    const auto chosen = platform.fontDialog();
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(chosen->name, shown.family().toStdString());
    EXPECT_FALSE(chosen->name.empty());
    EXPECT_EQ(chosen->size, 14);

    WhenShown<QFontDialog>([](QFontDialog* dialog) { dialog->reject(); });
    EXPECT_FALSE(platform.fontDialog().has_value());
}

// A stand-in viewer: a script that writes the arguments it was given into a file.
std::filesystem::path WriteRecordingViewer(const std::filesystem::path& folder) {
    const auto script = folder / "viewer.sh";
    std::ofstream(script) << "#!/bin/sh\nprintf '%s|' \"$@\" > \"" << (folder / "args.tmp").string()
                          << "\"\nmv \"" << (folder / "args.tmp").string() << "\" \""
                          << (folder / "args.txt").string() << "\"\n";
    std::filesystem::permissions(script, std::filesystem::perms::owner_all);
    return script;
}

TEST(QtPlatformTest, HelpViewerReportsWhatIsMissing) {
    test::TempFolder folder;
    const std::string document = folder.file("tarvo.hlp").string();
    QtPlatform platform;
    platform.setHelpViewer(QString::fromStdString(WriteRecordingViewer(folder.path()).string()));

    // No document: the viewer is not started.
    EXPECT_EQ(platform.startHelpViewer(document),
              std::optional<std::string>("Cannot find the help file " + document));
    EXPECT_FALSE(std::filesystem::exists(folder.file("args.txt")));

    std::ofstream(document) << "<html></html>";
    const std::string missing = folder.file("no-viewer").string();
    platform.setHelpViewer(QString::fromStdString(missing));
    EXPECT_EQ(platform.startHelpViewer(document),
              std::optional<std::string>("Cannot find the help viewer " + missing));

    // A viewer that is there but cannot run.
    const std::string plain = folder.file("plain-viewer").string();
    std::ofstream(plain) << "not a program";
    platform.setHelpViewer(QString::fromStdString(plain));
    EXPECT_EQ(platform.startHelpViewer(document),
              std::optional<std::string>("The help viewer " + plain + " could not be started"));
}

TEST(QtPlatformTest, HelpViewerGetsTheDocumentWholeAndIsNotWaitedFor) {
    test::TempFolder folder;
    const auto spaced = folder.path() / "SNG truck";
    std::filesystem::create_directory(spaced);
    const std::string document = (spaced / "tarvo.hlp").string();
    std::ofstream(document) << "<html></html>";
    QtPlatform platform;
    platform.setHelpViewer(QString::fromStdString(WriteRecordingViewer(folder.path()).string()));

    EXPECT_EQ(platform.startHelpViewer(document), std::nullopt);
    // The viewer runs on its own; its record appears when it has run.
    const auto record = folder.file("args.txt");
    for (int wait = 0; wait < 500 && !std::filesystem::exists(record); ++wait) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    std::ifstream in(record);
    std::string arguments((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(arguments, document + "|");
}

}  // namespace
}  // namespace tarvo
