#pragma once
// Message boxes and an error report that only remember what they were asked to show.

#include "platform/error_report.h"
#include "platform/message_boxes.h"
#include "platform/printer.h"

#include <QImage>

#include <QStringList>

#include <functional>

namespace testing_support {

struct ShownBox {
  QString caption; // "Warning" or "Information"
  QString text;
};

class RecordingMessageBoxes : public platform::MessageBoxes {
public:
  void warning(const QString &text) override { shown.append({QStringLiteral("Warning"), text}); }
  void information(const QString &text) override {
    shown.append({QStringLiteral("Information"), text});
    if (whileShown)
      whileShown();
  }
  std::function<void()> whileShown; // runs as if while the box were open
  void dismiss(const QString &text) override { dismissed.append(text); }
  QList<ShownBox> shown;
  QStringList dismissed;
};

// Keeps the texts the error box would show (with the box's full stop rule applied).
class RecordingErrorReport : public platform::ErrorReport {
public:
  void show(const QString &message) override { shown.append(platform::errorBoxText(message)); }
  QStringList shown;
};

// Fails the running test: installed while no test expects errors.
class FailingErrorReport : public platform::ErrorReport {
public:
  void show(const QString &message) override;
};

// A printer that paints each page into an image of a given resolution, or
// has no default printer at all.
class RecordingPrinter : public platform::Printer {
public:
  void printPage(const QString &documentName, const PageDrawer &draw) override;
  bool available = true;
  int dpi = 192;
  QSize pageSize{1600, 2200}; // printable area in dots
  QStringList documentNames;
  QList<QImage> pages;
};

} // namespace testing_support
