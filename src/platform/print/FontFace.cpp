#include "platform/print/FontFace.h"

#include <QFont>
#include <QFontDatabase>
#include <QMutex>
#include <algorithm>
#include <QtEndian>
#include <map>
#include <tuple>

namespace print {

namespace {

struct Substitute
{
    const char *windowsName;
    const char *localName;
};

// fontconfig aliases these as a rule; the table is the safety net when a
// machine lacks the alias rules.
constexpr Substitute substitutes[] = {
    {"Arial", "Liberation Sans"},
    {"Arial Narrow", "Liberation Sans Narrow"},
    {"Courier New", "Liberation Mono"},
    {"Times New Roman", "Liberation Serif"},
    {"Helvetica", "Liberation Sans"},
    {"Courier", "Liberation Mono"},
};

qint32 tableValue(const QByteArray &table, int offset, bool isSigned)
{
    if (table.size() < offset + 2)
        return 0;
    return isSigned ? qint32(qFromBigEndian<qint16>(table.constData() + offset))
                    : qint32(qFromBigEndian<quint16>(table.constData() + offset));
}

} // namespace

void installFontSubstitutions()
{
    static const bool done = [] {
        for (const Substitute &s : substitutes) {
            const QString name = QString::fromLatin1(s.windowsName);
            if (!QFont::substitutes(name).contains(QString::fromLatin1(s.localName)))
                QFont::insertSubstitution(name, QString::fromLatin1(s.localName));
        }
        return true;
    }();
    (void)done;
}

bool FontFace::isInstalled(const QString &name)
{
    installFontSubstitutions();
    if (QFontDatabase::hasFamily(name))
        return true;
    for (const QString &substitute : QFont::substitutes(name))
        if (QFontDatabase::hasFamily(substitute))
            return true;
    return false;
}

std::shared_ptr<const FontFace> FontFace::forFont(const QString &name, int weight, bool italic)
{
    installFontSubstitutions();
    static QMutex mutex;
    static std::map<std::tuple<QString, int, bool>, std::shared_ptr<const FontFace>> cache;
    QMutexLocker locker(&mutex);
    const auto key = std::make_tuple(name.toLower(), weight, italic);
    if (auto found = cache.find(key); found != cache.end())
        return found->second;

    QFont font(name);
    font.setPixelSize(1000);
    font.setWeight(QFont::Weight(std::clamp(weight, 100, 900)));
    font.setItalic(italic);
    font.setKerning(false);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::StyleStrategy(QFont::PreferOutline | QFont::NoFontMerging));

    auto face = std::shared_ptr<FontFace>(new FontFace);
    face->design_ = QRawFont::fromFont(font);
    if (!face->design_.isValid())
        face->design_ = QRawFont::fromFont(QFont(QStringLiteral("Liberation Sans")));
    face->unitsPerEm_ = face->design_.unitsPerEm() > 0 ? face->design_.unitsPerEm() : 2048;
    face->design_.setPixelSize(face->unitsPerEm_);
    face->family_ = face->design_.familyName();

    const QByteArray os2 = face->design_.fontTable("OS/2");
    face->winAscent_ = tableValue(os2, 74, false);
    face->winDescent_ = tableValue(os2, 76, false);
    face->averageCharWidth_ = tableValue(os2, 2, true);
    face->strikeOutPosition_ = tableValue(os2, 28, true);
    // Faces without an OS/2 table fall back on what the font engine reports.
    if (face->winAscent_ + face->winDescent_ <= 0) {
        face->winAscent_ = face->design_.ascent();
        face->winDescent_ = face->design_.descent();
    }
    if (face->averageCharWidth_ <= 0)
        face->averageCharWidth_ = face->design_.averageCharWidth();
    if (face->strikeOutPosition_ <= 0)
        face->strikeOutPosition_ = face->design_.xHeight() / 2;
    face->underlinePosition_ = face->design_.underlinePosition();
    face->lineThickness_ = std::max(face->design_.lineThickness(), face->unitsPerEm_ / 20.0);

    cache.emplace(key, face);
    return face;
}

void FontFace::glyphs(const QString &text, QList<quint32> *indexes, QList<double> *advances) const
{
    indexes->clear();
    advances->clear();
    const QList<uint> codePoints = text.toUcs4();
    indexes->reserve(codePoints.size());
    advances->reserve(codePoints.size());
    for (const uint codePoint : codePoints) {
        auto found = glyphCache_.constFind(codePoint);
        if (found == glyphCache_.constEnd()) {
            const char32_t character = codePoint;
            const QList<quint32> glyph = design_.glyphIndexesForString(QString::fromUcs4(&character, 1));
            const quint32 index = glyph.isEmpty() ? 0 : glyph.first();
            const QList<QPointF> advance = design_.advancesForGlyphIndexes(QList<quint32>{index},
                                                                           QRawFont::UseDesignMetrics);
            found = glyphCache_.insert(codePoint, {index, advance.isEmpty() ? 0.0 : advance.first().x()});
        }
        indexes->append(found->first);
        advances->append(found->second);
    }
}

QRawFont FontFace::rawFont(double pixelSize) const
{
    auto found = sized_.constFind(pixelSize);
    if (found != sized_.constEnd())
        return *found;
    QRawFont sized = design_;
    sized.setPixelSize(pixelSize);
    sized_.insert(pixelSize, sized);
    return sized;
}

ResolvedFont ResolvedFont::resolve(const CanvasFont &font)
{
    ResolvedFont resolved;
    resolved.face = FontFace::forFont(font.name, font.effectiveWeight(), font.style.testFlag(FontStyle::Italic));
    const FontFace &face = *resolved.face;
    const double cellUnits = face.winAscent() + face.winDescent();
    if (font.height < 0)
        resolved.em = -font.height;
    else if (font.height > 0)
        resolved.em = font.height * face.unitsPerEm() / cellUnits;
    else
        resolved.em = 40; // no height given: 4 mm, the forms' usual text
    resolved.ascent = face.winAscent() * resolved.scale();
    resolved.descent = face.winDescent() * resolved.scale();
    if (font.width > 0 && face.averageCharWidth() > 0)
        resolved.stretch = font.width / (face.averageCharWidth() * resolved.scale());
    return resolved;
}

} // namespace print
