// Turns the manual's source (HTML, or Markdown when the name ends in .md) into
// the PDF that the help menu opens.
//   anleitung_pdf QUELLE ZIEL.pdf
// Needs only Qt Gui: QTextDocument lays the text out, QPdfWriter paginates.
// The PDF is written to a temporary file and renamed, so an interrupted run
// never leaves a broken manual behind.
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QGuiApplication>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextDocument>
#include <QTextStream>
#include <cstdio>

namespace {

// Style of the manual: sober, readable on paper and on screen.
const char* const Stil = R"(
h1 { font-size: 20pt; color: #5a1020; }
h2 { font-size: 14pt; color: #5a1020; margin-top: 14px; }
h3 { font-size: 11.5pt; margin-top: 10px; }
code { font-family: "Liberation Mono"; }
pre { font-family: "Liberation Mono"; font-size: 8.5pt; background-color: #f2f2f2; }
table { border-collapse: collapse; }
th { background-color: #e8e0e0; }
)";

int Fehler(const QString& text) {
    std::fprintf(stderr, "%s\n", qPrintable(text));
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    // No display is needed to lay out and print text.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) return Fehler("Aufruf: anleitung_pdf QUELLE ZIEL.pdf");

    QFile quelle(args[1]);
    if (!quelle.open(QIODevice::ReadOnly)) return Fehler("File not found: " + args[1]);
    const QString inhalt = QString::fromUtf8(quelle.readAll());

    QTextDocument dokument;
    QFont schrift("Liberation Sans", 10);
    dokument.setDefaultFont(schrift);
    dokument.setDefaultStyleSheet(Stil);
    if (args[1].endsWith(".md", Qt::CaseInsensitive))
        dokument.setMarkdown(inhalt, QTextDocument::MarkdownDialectGitHub);
    else
        dokument.setHtml(inhalt);

    QSaveFile ziel(args[2]);
    if (!ziel.open(QIODevice::WriteOnly)) return Fehler("Cannot write " + args[2]);
    {
        QPdfWriter pdf(&ziel);
        // The title in the document's own language, from its <title>.
        const QString titel = dokument.metaInformation(QTextDocument::DocumentTitle);
        pdf.setTitle(titel.isEmpty() ? QStringLiteral("Stelux - Anleitung") : titel);
        pdf.setCreator("Stelux");
        pdf.setResolution(300);
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                      QMarginsF(20, 18, 20, 18), QPageLayout::Millimeter));
        // print() paginates and numbers the pages at the foot.
        dokument.print(&pdf);
    }
    if (!ziel.commit()) return Fehler("Cannot write " + args[2]);
    return 0;
}
