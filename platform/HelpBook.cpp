#include "HelpBook.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>

#include "DurableFile.h"
#include "Paths.h"

namespace {

QString readText(const QString& path) {
    return QString::fromStdString(durable::readFile(QFile::encodeName(path).toStdString()).bytes);
}

QString decodeEntities(QString s) {
    s.replace(QLatin1String("&lt;"), QLatin1String("<"));
    s.replace(QLatin1String("&gt;"), QLatin1String(">"));
    s.replace(QLatin1String("&quot;"), QLatin1String("\""));
    s.replace(QLatin1String("&nbsp;"), QLatin1String(" "));
    s.replace(QLatin1String("&amp;"), QLatin1String("&"));
    return s.simplified();
}

}  // namespace

QString HelpBook::folderFor(const QString& helpFile) {
    const QFileInfo fi(helpFile);
    const QString book = fi.completeBaseName().toLower();
    // A bare name lives in the delivered help folder, beside the program's
    // other delivered files.
    const QString base = helpFile.contains(u'/') ? fi.absolutePath()
                                                 : QString::fromStdString(paths::helpDir().string());
    return QDir(base).filePath(book);
}

bool HelpBook::load(const QString& folder) {
    folder_.clear();
    contexts_.clear();
    index_.clear();
    const QDir dir(folder);
    if (!QFileInfo(dir.filePath(QStringLiteral("index.html"))).isFile()) return false;
    folder_ = dir.absolutePath();

    // contexts.txt: "<number> <page>" per line; '#' starts a comment.
    const QStringList lines = readText(dir.filePath(QStringLiteral("contexts.txt"))).split(u'\n');
    for (const QString& raw : lines) {
        const QString line = raw.section(u'#', 0, 0).trimmed();
        const QStringList parts = line.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
        bool ok = false;
        const int n = parts.size() == 2 ? parts[0].toInt(&ok) : 0;
        if (ok) contexts_.insert(n, parts[1]);
    }

    for (const QString& page : pages()) {
        const QString path = dir.filePath(page);
        const QString title = pageTitle(path);
        QStringList words = pageKeywords(path);
        words.prepend(title);
        words.removeDuplicates();
        for (const QString& w : words) index_.append(IndexEntry{w, page, title});
    }
    std::stable_sort(index_.begin(), index_.end(), [](const IndexEntry& a, const IndexEntry& b) {
        const int c = a.keyword.compare(b.keyword, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a.title.compare(b.title, Qt::CaseInsensitive) < 0;
    });
    return true;
}

QString HelpBook::contentsPage() const { return pagePath(QStringLiteral("index.html")); }

QString HelpBook::pagePath(const QString& page) const {
    if (folder_.isEmpty() || page.isEmpty()) return QString();
    return QDir(folder_).filePath(page);
}

QString HelpBook::contextPage(int context) const {
    const auto it = contexts_.find(context);
    if (it == contexts_.end()) return QString();
    const QString path = pagePath(it.value().section(u'#', 0, 0));
    return QFileInfo(path).isFile() ? pagePath(it.value()) : QString();
}

int HelpBook::findKeyword(const QString& prefix) const {
    if (index_.isEmpty()) return -1;
    const QString p = prefix.trimmed();
    for (qsizetype i = 0; i < index_.size(); ++i) {
        if (index_[i].keyword.startsWith(p, Qt::CaseInsensitive)) return int(i);
        if (index_[i].keyword.compare(p, Qt::CaseInsensitive) > 0) return int(i);
    }
    return int(index_.size() - 1);
}

QStringList HelpBook::pages() const {
    if (folder_.isEmpty()) return {};
    return QDir(folder_).entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name);
}

QString HelpBook::pageTitle(const QString& path) {
    static const QRegularExpression re(QStringLiteral("<title>(.*?)</title>"),
                                       QRegularExpression::CaseInsensitiveOption |
                                           QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch m = re.match(readText(path));
    const QString title = m.hasMatch() ? decodeEntities(m.captured(1)) : QString();
    return title.isEmpty() ? QFileInfo(path).fileName() : title;
}

QStringList HelpBook::pageKeywords(const QString& path) {
    static const QRegularExpression re(
        QStringLiteral("<meta\\s+name\\s*=\\s*\"keywords\"\\s+content\\s*=\\s*\"([^\"]*)\""),
        QRegularExpression::CaseInsensitiveOption);
    QStringList out;
    const QRegularExpressionMatch m = re.match(readText(path));
    if (!m.hasMatch()) return out;
    static const QRegularExpression sep(QStringLiteral("[,;]"));
    for (const QString& w : m.captured(1).split(sep)) {
        const QString k = decodeEntities(w);
        if (!k.isEmpty() && !out.contains(k)) out << k;
    }
    return out;
}
