// mkmanual SOURCE.html OUTPUT.pdf [TITLE]
//
// Lays out an HTML manual on A4 pages (margins 20 mm, numbered pages)
// and writes it as PDF. Run at build time, offscreen. Relative image paths are
// resolved from the source's folder.

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPdfWriter>
#include <QTextDocument>
#include <cstdio>

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3) {
        std::fprintf(stderr, "usage: mkmanual SOURCE.html OUTPUT.pdf [TITLE]\n");
        return 2;
    }
    QFile source(args.at(1));
    if (!source.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "mkmanual: cannot read %s\n", qPrintable(args.at(1)));
        return 1;
    }

    QPdfWriter pdf(args.at(2));
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
    pdf.setTitle(args.size() > 3 ? args.at(3) : QStringLiteral("Vorsen Logger"));
    pdf.setCreator(QStringLiteral("Vorsen Logger"));
    pdf.setResolution(300);

    QTextDocument doc;
    // Relative image paths are resolved against the document's own URL.
    doc.setMetaInformation(QTextDocument::DocumentUrl,
                           QUrl::fromLocalFile(QFileInfo(source).absoluteFilePath()).toString());
    QFont police(QStringLiteral("DejaVu Sans"));
    police.setPointSizeF(10);
    doc.setDefaultFont(police);
    doc.setHtml(QString::fromUtf8(source.readAll()));

    // With no page size of its own, the document is laid out on the writer's
    // pages and numbered at the foot.
    doc.print(&pdf);
    if (!QFileInfo(args.at(2)).size()) {
        std::fprintf(stderr, "mkmanual: cannot write %s\n", qPrintable(args.at(2)));
        return 1;
    }
    return 0;
}
