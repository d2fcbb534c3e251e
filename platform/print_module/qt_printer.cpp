// The print module: the default printer through Qt's print support (CUPS on
// Linux), a Qt plugin whose object is the printer. The program loads it at the
// first print, so print support costs nothing in a session that never prints.
#include "platform/printer.h"

#include <QObject>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace platform {

class QtPrinter final : public QObject, public Printer {
  Q_OBJECT
  Q_PLUGIN_METADATA(IID CALVORO_PRINTER_IID)
  Q_INTERFACES(platform::Printer)

public:
  void printPage(const QString &documentName, const PageDrawer &draw) override {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
      throw EPrinter(noDefaultPrinterText());
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setDocName(documentName);
    printer.setFullPage(false);
    // The page starts at the corner of the printable area, not at the 10
    // points of margin a printer is given by default.
    const QPageLayout layout = printer.pageLayout();
    printer.setPageMargins(layout.minimumMargins(), layout.units());
    QPainter painter;
    if (!painter.begin(&printer))
      throw EPrinter("Printing failed: the printer did not accept the document");
    // Keeps the window's picture sharp: the PDF engine would store it as JPEG.
    painter.setRenderHint(QPainter::LosslessImageRendering);
    draw(painter, printer.logicalDpiX(), printer.logicalDpiY());
    if (!painter.end())
      throw EPrinter("Printing failed: the document could not be completed");
  }
};

} // namespace platform

#include "qt_printer.moc"
