#pragma once
// A PDF as other programs read it: a page's text with pdftotext, the page
// count with pdfinfo (poppler-utils).

#include <QProcess>
#include <QRegularExpression>
#include <QString>

inline QString pdfPageText(const QString &pdf, int page)
{
    QProcess process;
    process.start("pdftotext", {"-layout", "-f", QString::number(page), "-l", QString::number(page), pdf, "-"});
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

inline int pdfPageCount(const QString &pdf)
{
    QProcess process;
    process.start("pdfinfo", {pdf});
    process.waitForFinished(60000);
    return QRegularExpression("Pages:\\s+(\\d+)").match(process.readAllStandardOutput()).captured(1).toInt();
}
