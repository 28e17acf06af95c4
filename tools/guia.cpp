// Prints the user guide, an HTML file with its pictures beside it, to a PDF:
// A4 pages with 20 mm margins, titled for the viewer's title bar.
//
//   rumbal-guia GUIA.html SALIDA.pdf
//
// A picture that cannot be read is an error, so a guide with holes is never
// built.

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextImageFormat>
#include <QUrl>
#include <cstdio>

namespace {

constexpr double margenmm = 20;

// The pictures the document names that it could not load.
QStringList imagenesfaltantes(QTextDocument& documento) {
    QStringList faltan;
    for (QTextBlock b = documento.begin(); b.isValid(); b = b.next())
        for (auto f = b.begin(); !f.atEnd(); ++f) {
            const QTextCharFormat formato = f.fragment().charFormat();
            if (!formato.isImageFormat()) continue;
            const QString nombre = formato.toImageFormat().name();
            if (documento.resource(QTextDocument::ImageResource, QUrl(nombre)).isNull()) faltan << nombre;
        }
    return faltan;
}

void imprime(QTextDocument& documento, const QString& salida) {
    QPdfWriter pdf(salida);
    pdf.setTitle(QStringLiteral("Rumbal 1.0.1 Guía del usuario"));
    pdf.setCreator(QStringLiteral("Rumbal"));
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageMargins(QMarginsF(margenmm, margenmm, margenmm, margenmm), QPageLayout::Millimeter);
    // Laid out on pages the size of the printable area, in the document's own
    // units (pixels at 96 per inch, as the pictures' widths are written), so
    // the printout is that layout scaled to the page, page for page.
    const QSizeF areamm = pdf.pageLayout().paintRect(QPageLayout::Millimeter).size();
    constexpr double pixelespormm = 96 / 25.4;
    documento.setPageSize(areamm * pixelespormm);
    documento.print(&pdf);
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication aplicacion(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "uso: rumbal-guia GUIA.html SALIDA.pdf\n");
        return 2;
    }
    const QString fuente = QString::fromLocal8Bit(argv[1]);
    QFile html(fuente);
    if (!html.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "rumbal-guia: no se puede leer %s\n", argv[1]);
        return 1;
    }
    QTextDocument documento;
    // Pictures are named relative to the guide's folder.
    documento.setBaseUrl(QUrl::fromLocalFile(QFileInfo(fuente).absolutePath() + QLatin1Char('/')));
    documento.setHtml(QString::fromUtf8(html.readAll()));
    if (const QStringList faltan = imagenesfaltantes(documento); !faltan.isEmpty()) {
        std::fprintf(stderr, "rumbal-guia: no se pueden leer las imágenes %s\n", qPrintable(faltan.join(", ")));
        return 1;
    }
    imprime(documento, QString::fromLocal8Bit(argv[2]));
    return 0;
}
