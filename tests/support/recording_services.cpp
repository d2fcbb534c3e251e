#include "recording_services.h"

#include <QPainter>

#include <gtest/gtest.h>

namespace testing_support {

void FailingErrorReport::show(const QString &message) {
  ADD_FAILURE() << "error report: " << message.toStdString();
}

void RecordingPrinter::printPage(const QString &documentName, const PageDrawer &draw) {
  if (!available)
    throw platform::EPrinter(platform::noDefaultPrinterText());
  QImage page(pageSize, QImage::Format_RGB32);
  page.fill(Qt::white);
  QPainter painter(&page);
  draw(painter, dpi, dpi);
  painter.end();
  documentNames.append(documentName);
  pages.append(page);
}

} // namespace testing_support
