// The "Select Drive" dialog offscreen: its entries, typed text, OK, and the two
// ways to cancel.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include "catalog/select_drive_dlg.h"

namespace motrevix::catalog {
namespace {

const std::vector<QString> kEntries = {"/media/user/ZETA/ SD CARD", "/media/user/ALPHA/ SD CARD",
                                       "/media/user/MID/ SD CARD"};

QStringList ComboItems(const QComboBox& combo) {
  QStringList items;
  for (int i = 0; i < combo.count(); ++i) items << combo.itemText(i);
  return items;
}

TEST(SelectDriveDialog, OffersTheEntriesSortedWithTheFirstChosen) {
  CSelectDriveDlg dialog(kEntries);
  EXPECT_EQ(dialog.objectName(), "130");
  EXPECT_EQ(dialog.windowTitle(), "Select Drive");
  QComboBox* drives = dialog.findChild<QComboBox*>("1024");
  ASSERT_NE(drives, nullptr);
  EXPECT_TRUE(drives->isEditable());
  EXPECT_EQ(ComboItems(*drives),
            QStringList({"/media/user/ALPHA/ SD CARD", "/media/user/MID/ SD CARD",
                         "/media/user/ZETA/ SD CARD"}));
  EXPECT_EQ(drives->currentText(), "/media/user/ALPHA/ SD CARD");
  QStringList labels;
  for (const QLabel* label : dialog.findChildren<QLabel*>()) labels << label->text();
  EXPECT_TRUE(labels.contains("Drive :"));
  EXPECT_TRUE(labels.contains("Please Select SD Card."));
  // OK is the only button.
  const auto buttons = dialog.findChildren<QAbstractButton*>();
  ASSERT_EQ(buttons.size(), 1);
  EXPECT_EQ(buttons[0]->objectName(), "1");
  EXPECT_EQ(buttons[0]->text(), "OK");
}

TEST(SelectDriveDialog, OkTakesThePickedOrTypedText) {
  {
    CSelectDriveDlg dialog(kEntries);
    dialog.show();
    dialog.Drives()->setCurrentIndex(2);
    dialog.findChild<QAbstractButton*>("1")->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.ChosenText(), "/media/user/ZETA/ SD CARD");
  }
  {
    CSelectDriveDlg dialog(kEntries);
    dialog.show();
    QLineEdit* edit = dialog.Drives()->lineEdit();
    edit->selectAll();
    QTest::keyClicks(edit, "/mnt/typed");
    QTest::keyClick(edit, Qt::Key_Return);  // Enter presses the default button, OK
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.ChosenText(), "/mnt/typed");
  }
}

TEST(SelectDriveDialog, EscapeAndTheCloseBoxCancel) {
  {
    CSelectDriveDlg dialog(kEntries);
    dialog.show();
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
  }
  {
    CSelectDriveDlg dialog(kEntries);
    dialog.show();
    dialog.close();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_TRUE(dialog.ChosenText().isEmpty());
  }
}

TEST(SelectDriveDialog, RunEndsAtOnceWithoutEntriesAndOtherwiseReturnsOnOk) {
  EXPECT_FALSE(RunSelectDrive({}, nullptr).has_value());

  QTimer::singleShot(0, [] {
    auto* dialog = qobject_cast<CSelectDriveDlg*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    dialog->Drives()->setCurrentIndex(1);
    dialog->findChild<QAbstractButton*>("1")->click();
  });
  EXPECT_EQ(RunSelectDrive(kEntries, nullptr), std::optional<QString>("/media/user/MID/ SD CARD"));

  QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
  EXPECT_FALSE(RunSelectDrive(kEntries, nullptr).has_value());
}

}  // namespace
}  // namespace motrevix::catalog
