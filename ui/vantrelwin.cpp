#include "ui/vantrelwin.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QMouseEvent>
#include <QToolButton>
#include <limits>
#include "document/listbox.h"

#include "document/errors.h"
#include "document/filecommands.h"
#include "schedule/cronline.h"
#include "ui/aboutbox.h"
#include "ui/errorbox.h"
#include "ui/gothicfont.h"
#include "ui/program.h"
#include "ui/updown.h"

namespace vantrel {

namespace {

constexpr int kMinClientWidth = 424;
constexpr int kMinClientHeight = 300;
// The list's right edge stays 12 px inside the client area (it starts at 20)
// and its bottom 22 px above the client area's bottom (it starts at 148).
constexpr int kListWidthMargin = 32;
constexpr int kListHeightMargin = 148 + 22;

QString FromBytes(const std::string& bytes) {
  return QString::fromUtf8(bytes);
}
std::string ToBytes(const QString& text) {
  return text.toUtf8().toStdString();
}

// A spinner 15 px wide at the right edge of its box, starting at its minimum
// (which is also the box's initial text).
TUpDown* NewSpinner(QLineEdit& box, const char* name, int minimum, int maximum) {
  auto* spinner = new TUpDown(box, minimum, maximum, minimum, box.parentWidget());
  spinner->setObjectName(QLatin1String(name));
  spinner->setGeometry(box.x() + box.width(), box.y(), 15, box.height());
  return spinner;
}

QIcon SpeedButtonIcon(const char* name) {
  QIcon icon;
  icon.addPixmap(QPixmap(QStringLiteral(":/vantrel/%1.xpm").arg(QLatin1String(name))),
                 QIcon::Normal);
  icon.addPixmap(QPixmap(QStringLiteral(":/vantrel/%1-disabled.xpm").arg(QLatin1String(name))),
                 QIcon::Disabled);
  return icon;
}

QLineEdit* NewEditBox(QWidget* parent, const char* name, QRect place, const char* text) {
  auto* edit = new QLineEdit(QString::fromLatin1(text), parent);
  edit->setObjectName(QLatin1String(name));
  edit->setGeometry(place);
  edit->setMaxLength(std::numeric_limits<int>::max());  // no length limit
  edit->setAcceptDrops(false);                          // dropped files go to the window
  return edit;
}

}  // namespace

TVantrelWin::TVantrelWin(QStringList arguments, QWidget* parent)
    : QMainWindow(parent), arguments_(std::move(arguments)) {
  setObjectName(QStringLiteral("VantrelWin"));
  setWindowTitle(QStringLiteral("Vantrel"));
  setFont(GothicFont());
  SaveDialog1.DefaultExt = QStringLiteral("crn");

  Panel1 = new QFrame(this);
  Panel1->setObjectName(QStringLiteral("Panel1"));
  Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  Panel1->setMinimumSize(kMinClientWidth, kMinClientHeight);
  Panel1->installEventFilter(this);
  setCentralWidget(Panel1);

  BuildMenu();
  BuildForm();
  BuildButtons();

  CronLine = new TListBox(Panel1);
  CronLine->setObjectName(QStringLiteral("CronLine"));
  CronLine->setGeometry(20, 148, 381, 130);
  lines_.emplace(*CronLine);
  // A double-click anywhere in the list, on a line or below the last one.
  CronLine->viewport()->installEventFilter(this);

  setTabOrder(Month, MonthDay);
  setTabOrder(MonthDay, Hour);
  setTabOrder(Hour, Minute);
  setTabOrder(Minute, AsterRisk);
  QWidget* previous = AsterRisk;
  for (QCheckBox* day : DayBoxes()) {
    setTabOrder(previous, day);
    previous = day;
  }
  setTabOrder(previous, Command);
  setTabOrder(Command, CronLine);

  move(200, 142);
  resize(kMinClientWidth, kMinClientHeight + MainMenu1->sizeHint().height());
  Month->setFocus();
}

void TVantrelWin::BuildMenu() {
  MainMenu1 = menuBar();
  MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
  File1 = MainMenu1->addMenu(QStringLiteral("ﾌｧｲﾙ(&F)"));
  File1->setObjectName(QStringLiteral("File1"));
  const auto addItem = [this](QMenu* menu, const char* name, const QString& caption,
                              void (TVantrelWin::*handler)()) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    connect(action, &QAction::triggered, this, Guarded(handler));
    return action;
  };
  Open1 = addItem(File1, "Open1", QStringLiteral("開く(&O)..."), &TVantrelWin::Open1Click);
  Open1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
  Save1 = addItem(File1, "Save1", QStringLiteral("上書き保存(&S)"), &TVantrelWin::Save1Click);
  Save1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
  SaveAs1 = addItem(File1, "SaveAs1", QStringLiteral("名前をつけて保存(&A)..."),
                    &TVantrelWin::SaveAs1Click);
  N2 = File1->addSeparator();
  N2->setObjectName(QStringLiteral("N2"));
  Exit1 = addItem(File1, "Exit1", QStringLiteral("終了(&X)"), &TVantrelWin::Exit1Click);
  Help1 = MainMenu1->addMenu(QStringLiteral("ﾍﾙﾌﾟ(&H)"));
  Help1->setObjectName(QStringLiteral("Help1"));
  About1 =
      addItem(Help1, "About1", QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報(&A)..."), &TVantrelWin::About1Click);
  // Shortcuts work from any control of the window.
  for (QAction* action : {Open1, Save1}) action->setShortcutContext(Qt::WindowShortcut);
}

void TVantrelWin::BuildForm() {
  Label1 = new QLabel(QStringLiteral("月        日          時        分           曜日"), Panel1);
  Label1->setObjectName(QStringLiteral("Label1"));
  Label1->setGeometry(28, 16, 220, 12);
  Label1->adjustSize();  // labels size themselves to their text

  Month = NewEditBox(Panel1, "Month", {24, 36, 25, 20}, "1");
  MonthUd = NewSpinner(*Month, "MonthUd", 1, 12);
  MonthDay = NewEditBox(Panel1, "MonthDay", {72, 36, 25, 20}, "1");
  MonthDayUd = NewSpinner(*MonthDay, "MonthDayUd", 1, 31);
  Hour = NewEditBox(Panel1, "Hour", {120, 36, 25, 20}, "0");
  HourUd = NewSpinner(*Hour, "HourUd", 0, 23);
  Minute = NewEditBox(Panel1, "Minute", {172, 36, 29, 20}, "0");
  MinuteUd = NewSpinner(*Minute, "MinuteUd", 0, 59);

  const auto newCheckBox = [this](const char* name, const QString& caption, QRect place) {
    auto* box = new QCheckBox(caption, Panel1);
    box->setObjectName(QLatin1String(name));
    box->setGeometry(place);
    return box;
  };
  AsterRisk = newCheckBox("AsterRisk", QStringLiteral("日－土"), {252, 16, 65, 17});
  SunDay = newCheckBox("SunDay", QStringLiteral("日"), {252, 36, 33, 17});
  MonDay = newCheckBox("MonDay", QStringLiteral("月"), {292, 36, 33, 17});
  TueDay = newCheckBox("TueDay", QStringLiteral("火"), {328, 36, 33, 17});
  WedDay = newCheckBox("WedDay", QStringLiteral("水"), {368, 36, 33, 17});
  ThuDay = newCheckBox("ThuDay", QStringLiteral("木"), {252, 64, 33, 17});
  SatDay = newCheckBox("SatDay", QStringLiteral("土"), {328, 64, 33, 17});
  FriDay = newCheckBox("FriDay", QStringLiteral("金"), {292, 64, 33, 17});
  // Every change of the box's state, by the user or by code.
  connect(AsterRisk, &QCheckBox::toggled, this, Guarded(&TVantrelWin::AsterRiskClick));

  Label2 = new QLabel(QStringLiteral("コマンド"), Panel1);
  Label2->setObjectName(QStringLiteral("Label2"));
  Label2->setGeometry(28, 72, 39, 12);
  Label2->adjustSize();

  Command = new QComboBox(Panel1);
  Command->setObjectName(QStringLiteral("Command"));
  Command->setEditable(true);
  Command->setInsertPolicy(QComboBox::NoInsert);  // its list stays empty
  Command->setGeometry(20, 96, 381, 20);
  Command->lineEdit()->setMaxLength(std::numeric_limits<int>::max());
  Command->lineEdit()->setAcceptDrops(false);
  Command->setAcceptDrops(false);

  Label4 = new QLabel(QStringLiteral("作成される Crontab file"), Panel1);
  Label4->setObjectName(QStringLiteral("Label4"));
  Label4->setGeometry(24, 132, 119, 12);
  Label4->adjustSize();
}

void TVantrelWin::BuildButtons() {
  const auto newSpeedButton = [this](const char* name, const char* picture, const char* hint,
                                     int left, void (TVantrelWin::*handler)()) {
    auto* button = new QToolButton(Panel1);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(left, 124, 20, 20);
    button->setIcon(SpeedButtonIcon(picture));
    button->setIconSize({16, 16});
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setToolTip(QLatin1String(hint));
    connect(button, &QToolButton::clicked, this, Guarded(handler));
    return button;
  };
  AddItem = newSpeedButton("AddItem", "additem", "Add Line", 184, &TVantrelWin::AddItemClick);
  GetItem = newSpeedButton("GetItem", "getitem", "Get Line", 212, &TVantrelWin::GetItemClick);
  DeleteItem =
      newSpeedButton("DeleteItem", "deleteitem", "Delete Line", 260, &TVantrelWin::DeleteItemClick);
}

std::function<void()> TVantrelWin::Guarded(void (TVantrelWin::*handler)()) {
  return [this, handler] { RunGuarded([this, handler] { (this->*handler)(); }); };
}

std::array<QCheckBox*, 7> TVantrelWin::DayBoxes() const {
  return {SunDay, MonDay, TueDay, WedDay, ThuDay, FriDay, SatDay};
}

TWeekFlags TVantrelWin::ReadWeekFlags() const {
  TWeekFlags flags;
  flags.EveryDay = AsterRisk->isChecked();
  const auto boxes = DayBoxes();
  for (std::size_t day = 0; day < boxes.size(); ++day) flags.Days[day] = boxes[day]->isChecked();
  return flags;
}

void TVantrelWin::AddItemClick() {
  const TBuiltCronLine built =
      BuildCronLine(ToBytes(Minute->text()), ToBytes(Hour->text()), ToBytes(MonthDay->text()),
                    ToBytes(Month->text()), ReadWeekFlags(), ToBytes(Command->currentText()));
  if (!built.Ok()) {
    // A line too long is a failure of the command, not of the user's input.
    if (built.Failure->Kind == TCronLineFailure::TooLong) {
      throw EVantrelError(built.Failure->Message);
    }
    ShowUserError(FromBytes(built.Failure->Message));
    return;
  }
  const int selected = Lines().SelectedIndex();
  if (selected == -1) {
    Lines().AppendLine(built.Line);
  } else {
    Lines().ReplaceLine(selected, built.Line);
  }
}

void TVantrelWin::GetItemClick() {
  const int selected = Lines().SelectedIndex();
  if (selected == -1) {
    ShowUserError(QStringLiteral("選択されていません"));
    return;
  }
  const TCronEntry entry = ParseCronLine(Lines().LineAt(selected));
  Minute->setText(FromBytes(entry.Minute));
  Hour->setText(FromBytes(entry.Hour));
  MonthDay->setText(FromBytes(entry.MonthDay));
  Month->setText(FromBytes(entry.Month));
  Command->setEditText(FromBytes(entry.Command));

  TWeekFlags flags = ReadWeekFlags();
  ParseWeekField(entry.WeekField, flags);
  if (flags.EveryDay) {
    AsterRisk->setChecked(true);  // the day boxes keep their marks
    return;
  }
  AsterRisk->setChecked(false);
  const auto boxes = DayBoxes();
  for (std::size_t day = 0; day < boxes.size(); ++day) boxes[day]->setChecked(flags.Days[day]);
}

void TVantrelWin::DeleteItemClick() {
  Lines().DeleteLine(Lines().SelectedIndex());
}

void TVantrelWin::AsterRiskClick() {
  const bool enabled = !AsterRisk->isChecked();
  for (QCheckBox* day : DayBoxes()) day->setEnabled(enabled);
}

void TVantrelWin::FormShow() {
  if (arguments_.size() > 1) {
    // A file that cannot be loaded is reported; the window still opens.
    try {
      Lines().LoadCronFile(arguments_[1]);
    } catch (const std::exception& error) {
      ShowErrorBox(error);
    }
  }
  setAcceptDrops(true);
}

void TVantrelWin::FormResize() {
  if (!CronLine) return;  // still being built
  const QSize client = Panel1->size();
  CronLine->resize(client.width() - kListWidthMargin, client.height() - kListHeightMargin);
  Command->resize(CronLine->width(), Command->height());
}

void TVantrelWin::DropFiles(const QString& firstFile) {
  try {
    Lines().LoadCronFile(firstFile);
  } catch (const std::exception& error) {
    ShowErrorBox(error);
  }
}

void TVantrelWin::Open1Click() {
  OpenCommand(OpenDialog1, Lines());
}

void TVantrelWin::Save1Click() {
  SaveCommand(OpenDialog1, SaveDialog1, Lines());
}

void TVantrelWin::SaveAs1Click() {
  SaveAsCommand(OpenDialog1, SaveDialog1, Lines());
}

void TVantrelWin::Exit1Click() {
  close();
}

void TVantrelWin::About1Click() {
  if (AboutBox) AboutBox->Execute();
}

void TVantrelWin::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (shown_) return;
  shown_ = true;
  RunGuarded([this] { FormShow(); });
}

bool TVantrelWin::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Panel1 && event->type() == QEvent::Resize) {
    RunGuarded([this] { FormResize(); });
  } else if (CronLine && watched == CronLine->viewport() &&
             event->type() == QEvent::MouseButtonDblClick &&
             static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    RunGuarded([this] { GetItemClick(); });
  }
  return QMainWindow::eventFilter(watched, event);
}

namespace {

QString FirstLocalFile(const QMimeData* data) {
  if (!data || !data->hasUrls()) return {};
  for (const QUrl& url : data->urls()) {
    if (url.isLocalFile()) return url.toLocalFile();
  }
  return {};
}

}  // namespace

void TVantrelWin::dragEnterEvent(QDragEnterEvent* event) {
  if (!FirstLocalFile(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void TVantrelWin::dropEvent(QDropEvent* event) {
  const QString file = FirstLocalFile(event->mimeData());
  if (file.isEmpty()) return;
  event->acceptProposedAction();
  RunGuarded([this, &file] { DropFiles(file); });
}

}  // namespace vantrel
