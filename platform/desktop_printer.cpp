// The default printer as the program sees it: a stand-in that loads the print
// module (print_module/) at the first print and hands every page on to it.
#include "platform/printer.h"

#include <QCoreApplication>
#include <QDir>
#include <QPluginLoader>

namespace platform {
namespace {

class ModulePrinter final : public Printer {
public:
  void printPage(const QString &documentName, const PageDrawer &draw) override {
    if (!printer_)
      printer_ = load();
    printer_->printPage(documentName, draw);
  }

private:
  // Beside the program in the build tree; in the library folder once installed.
  static Printer *load() {
    const QDir programDir(QCoreApplication::applicationDirPath());
    QString errors;
    for (const QString &dir : {QStringLiteral("."), QStringLiteral(CALVORO_PRINT_MODULE_DIR)}) {
      QPluginLoader module(programDir.filePath(dir + QStringLiteral("/calvoro-print")));
      // The plugin's object stays with the module, loaded for the rest of the session.
      if (QObject *object = module.instance()) {
        if (auto *printer = qobject_cast<Printer *>(object))
          return printer;
        errors += QStringLiteral("\n%1 is not a print module").arg(module.fileName());
        continue;
      }
      errors += QStringLiteral("\n") + module.errorString();
    }
    throw EPrinter(("Printing is not available: the print module could not be loaded." + errors)
                       .toStdString());
  }

  Printer *printer_ = nullptr;
};

} // namespace

std::unique_ptr<Printer> makeDesktopPrinter() {
  return std::make_unique<ModulePrinter>();
}

} // namespace platform
