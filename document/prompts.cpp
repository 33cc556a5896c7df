#include "document/prompts.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace vantrel {

namespace {

class TQtPrompts final : public TUserPrompts {
 public:
  std::optional<TFileDialogAnswer> AskFile(const TFileDialogRequest& request) override {
    QFileDialog dialog(QApplication::activeWindow());
    dialog.setAcceptMode(request.Save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    // The open dialog takes a name that does not exist yet; loading it then fails.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setDefaultSuffix(request.DefaultExt);
    const QStringList filters = request.Filter.split(QStringLiteral(";;"));
    dialog.setNameFilters(filters);
    if (request.FilterIndex >= 1 && request.FilterIndex <= filters.size()) {
      dialog.selectNameFilter(filters[request.FilterIndex - 1]);
    }
    if (!request.FileName.isEmpty()) dialog.selectFile(request.FileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    const auto chosen = filters.indexOf(dialog.selectedNameFilter());
    return TFileDialogAnswer{dialog.selectedFiles().first(), chosen < 0 ? 1 : int(chosen) + 1};
  }

  void ShowMessage(const QString& caption, const QString& text, TMessageIcon icon) override {
    QMessageBox box(icon == TMessageIcon::Critical ? QMessageBox::Critical : QMessageBox::NoIcon,
                    caption, text, QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
  }
};

TUserPrompts* g_override = nullptr;

}  // namespace

TUserPrompts& Prompts() {
  static TQtPrompts qtPrompts;
  return g_override ? *g_override : qtPrompts;
}

void SetPrompts(TUserPrompts* prompts) {
  g_override = prompts;
}

}  // namespace vantrel
