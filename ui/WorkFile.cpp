#include "WorkFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QSaveFile>
#include <algorithm>
#include <cerrno>
#include <cmath>

#include "ResultFormat.h"
#include "SectionLayout.h"

namespace WorkFile {
namespace {

const QString kFormatName = QStringLiteral("baricor");

// A name taken from a file, fit to be shown in a message: short, and with its
// control characters made visible.
QString Quote(const QString& text) {
    QString shown = text.left(40);
    for (QChar& c : shown) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f) c = QChar(0xfffd);
    }
    if (text.size() > 40) shown += QChar(0x2026);
    return QChar(0x00ab) + shown + QChar(0x00bb);
}

const baricor::SectionLayout* LayoutByWindow(const QString& window) {
    for (const baricor::SectionLayout* layout : baricor::AllLayouts()) {
        if (QString::fromStdString(layout->window) == window) return layout;
    }
    return nullptr;
}

// "Trave1 ... Trave8": the names a file's windows may have.
QString WindowNames() {
    const std::vector<const baricor::SectionLayout*> layouts = baricor::AllLayouts();
    return QStringLiteral("%1 ... %2")
        .arg(QString::fromStdString(layouts.front()->window), QString::fromStdString(layouts.back()->window));
}

std::vector<QString> InputNames(const baricor::SectionLayout& layout) {
    std::vector<QString> names;
    for (const baricor::InputField& input : layout.inputs) names.push_back(QString::fromStdString(input.row.control));
    return names;
}

std::vector<QString> DefaultTexts(const baricor::SectionLayout& layout) {
    std::vector<QString> texts;
    for (const baricor::InputField& input : layout.inputs) texts.push_back(QString::fromStdString(input.defaultText));
    return texts;
}

// --- writing -------------------------------------------------------------

// A JSON string holding exactly `text`: a lone half of a surrogate pair,
// which UTF-8 cannot carry, is written as an escape like the control characters.
QByteArray JsonString(const QString& text) {
    QString out = QStringLiteral("\"");
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            out += c;
            out += text.at(++i);
        } else if (c.isSurrogate() || c.unicode() < 0x20 || c.unicode() == 0x7f) {
            out += QStringLiteral("\\u%1").arg(unsigned(c.unicode()), 4, 16, QChar('0'));
        } else if (c == QLatin1Char('"') || c == QLatin1Char('\\')) {
            out += QLatin1Char('\\');
            out += c;
        } else {
            out += c;
        }
    }
    out += QLatin1Char('"');
    return out.toUtf8();
}

QByteArray Bool(bool value) { return value ? "true" : "false"; }

QByteArray Indent(int level) { return QByteArray(2 * level, ' '); }

// "fields": {...} at `level`, one field to a line, in the given order.
QByteArray Fields(const std::vector<std::pair<QString, QString>>& fields, int level) {
    if (fields.empty()) return "{}";
    QByteArray out = "{\n";
    for (size_t i = 0; i < fields.size(); ++i) {
        out += Indent(level + 1) + JsonString(fields[i].first) + ": " + JsonString(fields[i].second);
        out += i + 1 < fields.size() ? ",\n" : "\n";
    }
    return out + Indent(level) + "}";
}

std::vector<std::pair<QString, QString>> NamedTexts(const baricor::SectionLayout& layout, const std::vector<QString>& texts) {
    std::vector<std::pair<QString, QString>> fields;
    const std::vector<QString> names = InputNames(layout);
    for (size_t i = 0; i < names.size() && i < texts.size(); ++i) fields.emplace_back(names[i], texts[i]);
    return fields;
}

// --- reading -------------------------------------------------------------

// Thrown inside Read with the phrase that says what is wrong.
struct Problem {
    QString text;
};

[[noreturn]] void Fail(const QString& text) { throw Problem{text}; }

QString TextOf(const QJsonValue& value, const QString& where) {
    if (!value.isString()) Fail(QStringLiteral("%1 deve essere un testo tra virgolette").arg(where));
    const QString text = value.toString();
    if (text.size() > kMaxTextLength)
        Fail(QStringLiteral("%1 è troppo lungo (%2 caratteri, al massimo %3)").arg(where).arg(text.size()).arg(kMaxTextLength));
    return text;
}

bool BoolOf(const QJsonObject& object, const char* key, const QString& where) {
    const QJsonValue value = object.value(QLatin1String(key));
    if (value.isUndefined()) return false;
    if (!value.isBool()) Fail(QStringLiteral("%1: \"%2\" deve valere true o false").arg(where, key));
    return value.toBool();
}

QJsonObject ObjectOf(const QJsonValue& value, const QString& where) {
    if (!value.isObject()) Fail(QStringLiteral("%1 deve essere un oggetto tra parentesi graffe").arg(where));
    return value.toObject();
}

QJsonArray ArrayOf(const QJsonValue& value, const QString& where) {
    if (!value.isArray()) Fail(QStringLiteral("%1 deve essere un elenco tra parentesi quadre").arg(where));
    return value.toArray();
}

// The texts of `fields` laid over `defaults`, each key one of `names`.
std::vector<QString> ReadFields(const QJsonValue& value, const std::vector<QString>& names,
                                std::vector<QString> texts, const QString& where) {
    if (value.isUndefined()) return texts;
    const QJsonObject fields = ObjectOf(value, QStringLiteral("%1: \"fields\"").arg(where));
    for (auto it = fields.begin(); it != fields.end(); ++it) {
        const auto at = std::find(names.begin(), names.end(), it.key());
        if (at == names.end()) Fail(QStringLiteral("%1 non ha una casella %2").arg(where, Quote(it.key())));
        texts[size_t(at - names.begin())] =
            TextOf(it.value(), QStringLiteral("il testo della casella %1 di %2").arg(it.key(), where));
    }
    return texts;
}

const baricor::SectionLayout& WindowOf(const QJsonValue& value, const QString& where) {
    const QString name = TextOf(value, QStringLiteral("%1: \"window\"").arg(where));
    const baricor::SectionLayout* layout = LayoutByWindow(name);
    if (!layout) Fail(QStringLiteral("%1: la finestra %2 non esiste (sono %3)").arg(where, Quote(name), WindowNames()));
    return *layout;
}

SectionState ReadWindow(const QJsonValue& value, int index) {
    const QString entry = QStringLiteral("la finestra n. %1 dell'elenco \"windows\"").arg(index + 1);
    const QJsonObject object = ObjectOf(value, entry);
    if (!object.contains(QLatin1String("window"))) Fail(QStringLiteral("%1 non dice quale finestra è (\"window\")").arg(entry));
    const baricor::SectionLayout& layout = WindowOf(object.value(QLatin1String("window")), entry);
    const QString where = QString::fromStdString(layout.window);
    SectionState state;
    state.number = layout.number;
    state.texts = ReadFields(object.value(QLatin1String("fields")), InputNames(layout), DefaultTexts(layout), where);
    state.derived = BoolOf(object, "derived", where);
    return state;
}

std::vector<std::string> StdStrings(const std::vector<QString>& texts) {
    std::vector<std::string> out;
    for (const QString& text : texts) out.push_back(text.toStdString());
    return out;
}

baricor::CompositePart ReadPart(const QJsonValue& value, int index) {
    const QString where = QStringLiteral("la parte n. %1 della sezione composta").arg(index + 1);
    const QJsonObject object = ObjectOf(value, where);
    const bool hasWindow = object.contains(QLatin1String("window"));
    const bool hasProfile = object.contains(QLatin1String("profile"));
    if (hasWindow == hasProfile) Fail(QStringLiteral("%1 deve indicare o una finestra (\"window\") o un profilo (\"profile\")").arg(where));
    baricor::CompositePart part;
    const QJsonValue fields = object.value(QLatin1String("fields"));
    if (hasWindow) {
        const baricor::SectionLayout& layout = WindowOf(object.value(QLatin1String("window")), where);
        part.shape.section = layout.shape;
        part.texts = baricor::SectionTextsOf(
            layout, StdStrings(ReadFields(fields, InputNames(layout), DefaultTexts(layout), where)));
    } else {
        const QString name = TextOf(object.value(QLatin1String("profile")), QStringLiteral("%1: il nome del profilo").arg(where));
        part.shape.profile = baricor::FindProfile(name.toStdString());
        if (!part.shape.profile) Fail(QStringLiteral("%1: il profilo %2 non è nel catalogo").arg(where, Quote(name)));
        const std::vector<QString>& names = ProfileFields();
        const std::vector<std::string> texts =
            StdStrings(ReadFields(fields, names, std::vector<QString>(names.size(), "0"), where));
        part.texts.dx = texts[0];
        part.texts.dy = texts[1];
        part.texts.theta = texts[2];
    }
    part.hole = BoolOf(object, "hole", where);
    return part;
}

// A part's fields as the file names them: its window's input fields, or a
// profile's Dx, Dy and θ.
std::vector<std::pair<QString, QString>> PartFields(const baricor::CompositePart& part) {
    std::vector<std::pair<QString, QString>> fields;
    if (part.shape.section) {
        const baricor::SectionLayout& layout = baricor::LayoutOf(*part.shape.section);
        std::vector<QString> texts;
        for (const std::string& text : baricor::FieldTextsOf(layout, part.texts)) texts.push_back(QString::fromStdString(text));
        return NamedTexts(layout, texts);
    }
    const std::vector<QString>& names = ProfileFields();
    for (size_t i = 0; i < names.size(); ++i)
        fields.emplace_back(names[i], QString::fromStdString(i == 0 ? part.texts.dx : i == 1 ? part.texts.dy : part.texts.theta));
    return fields;
}

Work ReadWork(const QJsonObject& root) {
    const QJsonValue format = root.value(QLatin1String("format"));
    if (format.toString() != kFormatName) {
        Fail(format.isString() ? QStringLiteral("non è un file di lavoro di Baricor (\"format\" vale %1)").arg(Quote(format.toString()))
                               : QStringLiteral("non è un file di lavoro di Baricor (manca \"format\": \"baricor\")"));
    }
    const QJsonValue version = root.value(QLatin1String("version"));
    const double number = version.toDouble(-1);
    if (!version.isDouble() || number < 1 || std::floor(number) != number)
        Fail(QStringLiteral("la versione del formato (\"version\") deve essere un numero intero da 1 in su"));
    if (number > kVersion)
        Fail(QStringLiteral("è stato scritto da una versione più recente del programma (formato versione %1; "
                            "questa versione legge fino alla %2)")
                 .arg(number > 1e9 ? QStringLiteral("oltre un miliardo") : QString::number(qint64(number)))
                 .arg(kVersion));

    Work work;
    const QJsonValue digits = root.value(QLatin1String("digits"));
    if (!digits.isUndefined()) {
        const QString pattern = TextOf(digits, QStringLiteral("\"digits\""));
        const auto known = std::find(baricor::kResultFormats.begin(), baricor::kResultFormats.end(), pattern.toStdString());
        if (known == baricor::kResultFormats.end())
            Fail(QStringLiteral("le cifre significative %1 non sono tra quelle del menu (da 0.0E+00 a 0.00000E+00)").arg(Quote(pattern)));
        work.digits = std::string(*known);
    }

    const QJsonValue windows = root.value(QLatin1String("windows"));
    if (!windows.isUndefined()) {
        const QJsonArray list = ArrayOf(windows, QStringLiteral("\"windows\""));
        for (int i = 0; i < list.size(); ++i) {
            SectionState state = ReadWindow(list.at(i), i);
            for (const SectionState& earlier : work.windows) {
                if (earlier.number == state.number)
                    Fail(QStringLiteral("la finestra %1 compare due volte in \"windows\"")
                             .arg(QString::fromStdString(baricor::LayoutByNumber(state.number)->window)));
            }
            work.windows.push_back(std::move(state));
        }
    }

    const QJsonValue composite = root.value(QLatin1String("composite"));
    if (!composite.isUndefined()) {
        const QJsonObject object = ObjectOf(composite, QStringLiteral("\"composite\""));
        work.compositeOpen = BoolOf(object, "open", QStringLiteral("\"composite\""));
        const QJsonValue parts = object.value(QLatin1String("parts"));
        if (!parts.isUndefined()) {
            const QJsonArray list = ArrayOf(parts, QStringLiteral("\"composite\": \"parts\""));
            if (list.size() > kMaxParts)
                Fail(QStringLiteral("la sezione composta ha %1 parti, al massimo %2").arg(list.size()).arg(kMaxParts));
            for (int i = 0; i < list.size(); ++i) work.parts.push_back(ReadPart(list.at(i), i));
        }
    }
    return work;
}

// Line and column (from 1) of a byte offset, for the JSON error message.
std::pair<int, int> LineAndColumn(const QByteArray& bytes, qsizetype offset) {
    int line = 1;
    int column = 1;
    for (qsizetype i = 0; i < offset && i < bytes.size(); ++i) {
        if (bytes[i] == '\n') {
            ++line;
            column = 1;
        } else if ((bytes[i] & 0xC0) != 0x80) {
            ++column;
        }
    }
    return {line, column};
}

QString TooLarge(qint64 size) {
    return QStringLiteral("il file è troppo grande (%1 byte, al massimo 1 MB)").arg(size);
}

}  // namespace

bool Work::operator==(const Work& other) const {
    auto sameWindow = [](const SectionState& a, const SectionState& b) {
        return a.number == b.number && a.texts == b.texts && a.derived == b.derived;
    };
    return digits == other.digits && compositeOpen == other.compositeOpen &&
           std::equal(windows.begin(), windows.end(), other.windows.begin(), other.windows.end(), sameWindow) &&
           parts == other.parts;
}

const std::vector<QString>& ProfileFields() {
    static const std::vector<QString> names = {"Dx", "Dy", QString::fromUtf8("θ")};
    return names;
}

QByteArray Write(const Work& work) {
    QByteArray out = "{\n";
    out += Indent(1) + "\"format\": " + JsonString(kFormatName) + ",\n";
    out += Indent(1) + "\"version\": " + QByteArray::number(kVersion) + ",\n";
    out += Indent(1) + "\"digits\": " + JsonString(QString::fromStdString(work.digits)) + ",\n";
    out += Indent(1) + "\"windows\": [";
    bool first = true;
    for (const SectionState& state : work.windows) {
        const baricor::SectionLayout* layout = baricor::LayoutByNumber(state.number);
        if (!layout) continue;
        out += first ? "\n" : ",\n";
        first = false;
        out += Indent(2) + "{\n";
        out += Indent(3) + "\"window\": " + JsonString(QString::fromStdString(layout->window)) + ",\n";
        out += Indent(3) + "\"fields\": " + Fields(NamedTexts(*layout, state.texts), 3) + ",\n";
        out += Indent(3) + "\"derived\": " + Bool(state.derived) + "\n";
        out += Indent(2) + "}";
    }
    out += first ? "],\n" : "\n" + Indent(1) + "],\n";
    out += Indent(1) + "\"composite\": {\n";
    out += Indent(2) + "\"open\": " + Bool(work.compositeOpen) + ",\n";
    out += Indent(2) + "\"parts\": [";
    first = true;
    for (const baricor::CompositePart& part : work.parts) {
        if (!part.shape.section && !part.shape.profile) continue;  // nothing a file could name
        out += first ? "\n" : ",\n";
        first = false;
        out += Indent(3) + "{\n";
        if (part.shape.section)
            out += Indent(4) + "\"window\": " + JsonString(QString::fromStdString(baricor::LayoutOf(*part.shape.section).window)) + ",\n";
        else
            out += Indent(4) + "\"profile\": " + JsonString(QString::fromUtf8(part.shape.profile->name)) + ",\n";
        out += Indent(4) + "\"fields\": " + Fields(PartFields(part), 4) + ",\n";
        out += Indent(4) + "\"hole\": " + Bool(part.hole) + "\n";
        out += Indent(3) + "}";
    }
    out += first ? "]\n" : "\n" + Indent(2) + "]\n";
    out += Indent(1) + "}\n";
    return out + "}\n";
}

ReadOutcome Read(const QByteArray& file) {
    if (file.size() > kMaxFileBytes) return {std::nullopt, TooLarge(file.size())};
    // A byte-order mark, as some editors write at the start of a UTF-8 text.
    const QByteArray bytes = file.startsWith("\xEF\xBB\xBF") ? file.mid(3) : file;
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError) {
        const auto [line, column] = LineAndColumn(bytes, error.offset);
        return {std::nullopt,
                QStringLiteral("il file non è in formato JSON (errore alla riga %1, colonna %2)").arg(line).arg(column)};
    }
    if (!document.isObject())
        return {std::nullopt, QStringLiteral("non è un file di lavoro di Baricor (manca \"format\": \"baricor\")")};
    try {
        return {ReadWork(document.object()), QString()};
    } catch (const Problem& problem) {
        return {std::nullopt, problem.text};
    }
}

QString CheckWritable(const Work& work) {
    auto check = [](const QString& text, const QString& where) {
        return text.size() > kMaxTextLength
                   ? QStringLiteral("il testo della casella %1 è troppo lungo per essere salvato (%2 caratteri, al massimo %3)")
                         .arg(where)
                         .arg(text.size())
                         .arg(kMaxTextLength)
                   : QString();
    };
    for (const SectionState& state : work.windows) {
        const baricor::SectionLayout* layout = baricor::LayoutByNumber(state.number);
        if (!layout) continue;
        for (const auto& [name, text] : NamedTexts(*layout, state.texts)) {
            const QString problem = check(text, QStringLiteral("%1 di %2").arg(name, QString::fromStdString(layout->window)));
            if (!problem.isEmpty()) return problem;
        }
    }
    if (work.parts.size() > size_t(kMaxParts))
        return QStringLiteral("la sezione composta ha %1 parti, al massimo %2").arg(work.parts.size()).arg(kMaxParts);
    for (size_t i = 0; i < work.parts.size(); ++i) {
        if (!work.parts[i].shape.section && !work.parts[i].shape.profile)
            return QStringLiteral("la parte n. %1 della sezione composta non ha una forma").arg(i + 1);
        // Named as the composite window labels the cell ("b", "Dy", "θ").
        const std::vector<std::pair<QString, QString>> fields = PartFields(work.parts[i]);
        for (size_t f = 0; f < fields.size(); ++f) {
            const QString label = work.parts[i].shape.section
                                      ? QString::fromStdString(baricor::LayoutOf(*work.parts[i].shape.section).inputs[f].row.label)
                                      : fields[f].first;
            const QString problem =
                check(fields[f].second, QStringLiteral("%1 della parte n. %2 della sezione composta").arg(label).arg(i + 1));
            if (!problem.isEmpty()) return problem;
        }
    }
    return QString();
}

ReadOutcome ReadFile(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists()) return {std::nullopt, QStringLiteral("il file non esiste")};
    if (info.isDir()) return {std::nullopt, QStringLiteral("è una cartella, non un file")};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {std::nullopt, QStringLiteral("il file non si può leggere (%1)").arg(file.errorString())};
    // Read one byte past the limit: the size a file claims may not be its size.
    const QByteArray bytes = file.read(kMaxFileBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return {std::nullopt, QStringLiteral("il file non si può leggere (%1)").arg(file.errorString())};
    if (bytes.size() > kMaxFileBytes) return {std::nullopt, TooLarge(std::max<qint64>(file.size(), bytes.size()))};
    return Read(bytes);
}

QString SaveFile(const QString& path, const Work& work) {
    const QString unwritable = CheckWritable(work);
    if (!unwritable.isEmpty()) return unwritable;
    const QByteArray bytes = Write(work);
    if (bytes.size() > kMaxFileBytes) return TooLarge(bytes.size());

    const QFileInfo info(path);
    const QFileInfo folder(info.absolutePath());
    if (!folder.exists()) return QStringLiteral("la cartella %1 non esiste (più)").arg(Quote(info.absolutePath()));
    if (!folder.isDir()) return QStringLiteral("%1 non è una cartella").arg(Quote(info.absolutePath()));
    if (info.isDir()) return QStringLiteral("al suo posto c'è una cartella");

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QStringLiteral("il file non si può creare (%1)").arg(file.errorString());
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return QStringLiteral("la scrittura non è riuscita (%1)").arg(reason);
    }
    if (!file.commit()) return QStringLiteral("la scrittura non è riuscita (%1)").arg(file.errorString());
    return QString();
}

}  // namespace WorkFile
