#pragma once
// The default printer. Printing is one document of one page: the caller
// draws the page in printer dots, given the printer's resolution.
#include <QString>
#include <QtPlugin>

#include <functional>
#include <memory>
#include <stdexcept>

class QPainter;

namespace platform {

// No printer to print on: "There is no default printer currently selected".
class EPrinter : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

class Printer {
public:
  virtual ~Printer() = default;
  // Draws one page on the default printer. `draw` gets a painter whose (0, 0)
  // is the top left of the printable area and the printer's horizontal and
  // vertical resolution in dots per inch. Throws EPrinter when there is no
  // default printer, and the error of the printing system when the job fails.
  using PageDrawer = std::function<void(QPainter &painter, int dpiX, int dpiY)>;
  virtual void printPage(const QString &documentName, const PageDrawer &draw) = 0;
};

// The text of the error when there is no default printer.
inline const char *noDefaultPrinterText() {
  return "There is no default printer currently selected";
}

// The system's default printer through Qt's print support (CUPS on Linux).
// Print support is a module loaded at the first print, not at start; a
// module that cannot be loaded, or is not a print module, fails that print
// with EPrinter.
std::unique_ptr<Printer> makeDesktopPrinter();

} // namespace platform

// What the print module's plugin object implements; the version changes with Printer.
#define CALVORO_PRINTER_IID "com.kaldoprototyping.Calvoro.Printer/1.0"
Q_DECLARE_INTERFACE(platform::Printer, CALVORO_PRINTER_IID)
