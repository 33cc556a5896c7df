#pragma once

#include <QMainWindow>
#include <QStringList>
#include <array>
#include <functional>
#include <optional>

#include "document/cronlinelist.h"
#include "document/filedialogs.h"
#include "schedule/weekfield.h"

class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QToolButton;

namespace vantrel {

class TListBox;
class TUpDown;

// The main window: the schedule form above, the list of lines (the document)
// below. Controls sit at fixed pixel places inside Panel1, which fills the
// client area; only CronLine and Command follow the window's size.
class TVantrelWin : public QMainWindow {
  Q_OBJECT

 public:
  // `arguments` is the command line, the program's name first; the first
  // argument after it names a file loaded when the window is first shown.
  explicit TVantrelWin(QStringList arguments = {}, QWidget* parent = nullptr);

  // Controls, named as the user sees them.
  QFrame* Panel1 = nullptr;
  QLabel* Label1 = nullptr;
  QLabel* Label2 = nullptr;
  QLineEdit* Minute = nullptr;
  TUpDown* MinuteUd = nullptr;
  QLineEdit* Hour = nullptr;
  TUpDown* HourUd = nullptr;
  QLineEdit* MonthDay = nullptr;
  TUpDown* MonthDayUd = nullptr;
  QLineEdit* Month = nullptr;
  TUpDown* MonthUd = nullptr;
  TSaveDialog SaveDialog1;
  TOpenDialog OpenDialog1;  // its FileName is the current file name
  QMenuBar* MainMenu1 = nullptr;
  QMenu* File1 = nullptr;
  QAction* Open1 = nullptr;
  QAction* Save1 = nullptr;
  QAction* SaveAs1 = nullptr;
  QAction* N2 = nullptr;
  QAction* Exit1 = nullptr;
  QMenu* Help1 = nullptr;
  QAction* About1 = nullptr;
  QComboBox* Command = nullptr;
  TListBox* CronLine = nullptr;
  QLabel* Label4 = nullptr;
  QToolButton* AddItem = nullptr;
  QToolButton* DeleteItem = nullptr;
  QToolButton* GetItem = nullptr;
  QCheckBox* SunDay = nullptr;
  QCheckBox* MonDay = nullptr;
  QCheckBox* TueDay = nullptr;
  QCheckBox* WedDay = nullptr;
  QCheckBox* ThuDay = nullptr;
  QCheckBox* AsterRisk = nullptr;
  QCheckBox* SatDay = nullptr;
  QCheckBox* FriDay = nullptr;

  TCronLineList& Lines() { return *lines_; }

  // Handlers.
  void AddItemClick();
  void GetItemClick();
  void DeleteItemClick();
  void AsterRiskClick();
  void FormShow();
  void FormResize();
  void DropFiles(const QString& firstFile);
  void Open1Click();
  void Save1Click();
  void SaveAs1Click();
  void Exit1Click();
  void About1Click();

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void BuildMenu();
  void BuildForm();
  void BuildButtons();
  // The handler wrapped in the application's guard, ready to connect.
  std::function<void()> Guarded(void (TVantrelWin::*handler)());
  std::array<QCheckBox*, 7> DayBoxes() const;  // Sunday first
  TWeekFlags ReadWeekFlags() const;

  QStringList arguments_;
  bool shown_ = false;
  std::optional<TCronLineList> lines_;  // over CronLine, made with it
};

}  // namespace vantrel
