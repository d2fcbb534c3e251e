// The default printer as the program sees it: a stand-in that loads the print
// module (print_module/) at the first print and hands every page on to it.
#include "platform/printer.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

namespace platform {
namespace {

class ModulePrinter final : public Printer {
public:
  void printPage(const QString &documentName, const PageDrawer &draw) override {
    if (!printer_)
      printer_.reset(load());
    printer_->printPage(documentName, draw);
  }

private:
  // Beside the program in the build tree; in the library folder once installed.
  static Printer *load() {
    const QDir programDir(QCoreApplication::applicationDirPath());
    QString errors;
    for (const QString &dir : {QStringLiteral("."), QStringLiteral(CALVORO_PRINT_MODULE_DIR)}) {
      QLibrary module(programDir.filePath(dir + QStringLiteral("/calvoro-print")));
      using Make = Printer *(*)();
      if (auto make = reinterpret_cast<Make>(module.resolve("calvoroNewPrinter")))
        return make(); // the module stays loaded for the rest of the session
      errors += QStringLiteral("\n") + module.errorString();
    }
    throw EPrinter(("Printing is not available: the print module could not be loaded." + errors)
                       .toStdString());
  }

  std::unique_ptr<Printer> printer_;
};

} // namespace

std::unique_ptr<Printer> makeDesktopPrinter() {
  return std::make_unique<ModulePrinter>();
}

} // namespace platform
