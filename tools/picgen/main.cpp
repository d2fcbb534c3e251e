// picgen: draws every picture of the program into resources/pictures/.
//   picgen [--out DIR] [--contact-sheet FILE [--only PREFIX]]
#include "catalog.h"
#include "contact_sheet.h"
#include "drawings.h"
#include "output.h"

#include <QCommandLineParser>
#include <QDir>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char **argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral("Draws the pictures of Calvoro."));
  parser.addHelpOption();
  const QCommandLineOption out(QStringLiteral("out"), QStringLiteral("Folder for the pictures."),
                               QStringLiteral("dir"));
  const QCommandLineOption sheet(QStringLiteral("contact-sheet"),
                                 QStringLiteral("Also write a review sheet of all pictures."),
                                 QStringLiteral("file"));
  const QCommandLineOption only(QStringLiteral("only"),
                                QStringLiteral("Sheet only pictures whose name starts so."),
                                QStringLiteral("prefix"));
  parser.addOptions({out, sheet, only});
  parser.process(app);
  if (!parser.isSet(out) && !parser.isSet(sheet)) {
    std::fprintf(stderr, "picgen: give --out DIR and/or --contact-sheet FILE\n");
    return 2;
  }

  const QList<Picture> pictures = drawAllPictures();
  QString error;
  if (parser.isSet(out)) {
    const QDir dir(parser.value(out));
    if (!dir.exists() && !QDir().mkpath(dir.path())) {
      std::fprintf(stderr, "picgen: cannot create %s\n", qPrintable(dir.path()));
      return 1;
    }
    for (const Picture &pic : pictures) {
      if (!writePng(pic.image, dir.filePath(pic.name + QStringLiteral(".png")), &error)) {
        std::fprintf(stderr, "picgen: %s: %s\n", qPrintable(pic.name), qPrintable(error));
        return 1;
      }
      if (pic.name == u"logo") {
        // The logo is placed at (-2, 50) in the splash window.
        const QByteArray outline = logoOutline(pic.image, QPoint(-2, 50));
        if (!writeFile(outline, dir.filePath(QStringLiteral("logo_outline.bin")), &error)) {
          std::fprintf(stderr, "picgen: logo_outline.bin: %s\n", qPrintable(error));
          return 1;
        }
      }
    }
    // The launcher's scalable icon; installed, not compiled in.
    if (!writeFile(applicationIconSvg(), dir.filePath(QStringLiteral("calvoro.svg")), &error)) {
      std::fprintf(stderr, "picgen: calvoro.svg: %s\n", qPrintable(error));
      return 1;
    }
    std::printf("picgen: %d pictures in %s\n", int(pictures.size()) + 1, qPrintable(dir.path()));
  }
  if (parser.isSet(sheet)) {
    const QImage img = contactSheet(pictures, parser.value(only));
    if (!writePng(img, parser.value(sheet), &error)) {
      std::fprintf(stderr, "picgen: %s: %s\n", qPrintable(parser.value(sheet)), qPrintable(error));
      return 1;
    }
  }
  return 0;
}
