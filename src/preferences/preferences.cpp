#include "preferences.h"

#include <theory/instruments.h>

#include <QSettings>

#include <algorithm>

namespace {

const QString kGroup = QStringLiteral("GlobalSetting");
const char *const kAfterWrongAnswer = "AfterWrongAnswer";
const char *const kLabelCKeys = "LabelCKeys";
const char *const kInstrumentChosen = "InstrumentChosen";
const char *const kVaryInstrument = "VaryInstrument";
const char *const kVariedInstruments = "VariedInstruments";
const char *const kReferencePitch = "ReferencePitch";
const char *const kOutputDevice = "OutputDevice";
// Read again before the window opens (learners_language.cpp), under the
// same keys.
const char *const kLanguage = "Language";
const char *const kNoteNames = "NoteNames";
const char *const kCourse = "Course";
const char *const kBlockRelativePitch = "BlockRelativePitch";

bool isReferencePitch(double hertz)
{
    return hertz >= Piano::kLowestReferencePitch && hertz <= Piano::kHighestReferencePitch;
}

// The offered programs among `programs`, each once, in their order.
std::vector<int> offeredOnce(const std::vector<int> &programs)
{
    std::vector<int> kept;
    for (const int program : programs) {
        if (Core::IsTrainingInstrument(program) && std::find(kept.begin(), kept.end(), program) == kept.end())
            kept.push_back(program);
    }
    return kept;
}

// One line of numbers rather than a list value, which the store would write
// in a form that older readers see as a single string anyway.
QString joined(const std::vector<int> &programs)
{
    QStringList words;
    for (const int program : programs)
        words << QString::number(program);
    return words.join(QLatin1Char(' '));
}

std::vector<int> programsIn(const QString &line)
{
    std::vector<int> programs;
    for (const QString &word : line.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        bool isNumber = false;
        const int program = word.toInt(&isNumber);
        if (isNumber)
            programs.push_back(program);
    }
    return programs;
}

} // namespace

Preferences::Preferences(QObject *parent) : QObject(parent) {}

const QStringList &Preferences::storedKeys()
{
    static const QStringList keys {kAfterWrongAnswer, kLabelCKeys,     kInstrumentChosen, kVaryInstrument,
    static const QStringList keys {kAfterWrongAnswer, kLabelCKeys,     kInstrumentChosen, kVaryInstrument,
                                   kVariedInstruments, kReferencePitch, kOutputDevice, kLanguage,
                                   kNoteNames, kCourse, kBlockRelativePitch};
    return keys;
}

void Preferences::read(QSettings *store)
{
    kept = {};
    if (!store)
        return;
    store->beginGroup(kGroup);
    for (const QString &key : storedKeys()) {
        if (store->contains(key))
            kept += key;
    }
    afterWrong = store->value(kAfterWrongAnswer, 0).toInt();
    // The store gives a written bool back as the word.
    cLabels = store->value(kLabelCKeys, true).toString() == QLatin1String("true");
    chosen = store->value(kInstrumentChosen, false).toBool();
    vary = store->value(kVaryInstrument, false).toBool();
    varied = offeredOnce(programsIn(store->value(kVariedInstruments, QString()).toString()));
    const double storedPitch = store->value(kReferencePitch, Piano::kDefaultReferencePitch).toDouble();
    pitch = isReferencePitch(storedPitch) ? storedPitch : Piano::kDefaultReferencePitch;
    output = store->value(kOutputDevice, QString()).toString();
    lang = store->value(kLanguage, QString()).toString();
    names = store->value(kNoteNames, QString()).toString();
    const QString storedCourse = store->value(kCourse, levelsCourse()).toString();
    courseName = storedCourse == adaptiveCourse() ? adaptiveCourse() : levelsCourse();
    // Edited by hand to something unknown: the twelve levels, written back.
    repaired = store->contains(kCourse) && storedCourse != courseName;
    if (store->contains(kBlockRelativePitch))
        blockChoice = store->value(kBlockRelativePitch).toString() == QLatin1String("true") ? 1 : 0;
    store->endGroup();
}

void Preferences::writeTo(QSettings &store) const
{
    store.beginGroup(kGroup);
    const auto write = [&](const char *key, const QVariant &value) {
        if (kept.contains(QLatin1String(key)))
            store.setValue(QLatin1String(key), value);
    };
    write(kAfterWrongAnswer, afterWrong);
    write(kLabelCKeys, cLabels);
    write(kInstrumentChosen, chosen);
    write(kVaryInstrument, vary);
    write(kVariedInstruments, joined(varied));
    write(kReferencePitch, pitch);
    write(kOutputDevice, output);
    write(kLanguage, lang);
    write(kNoteNames, names);
    write(kCourse, courseName);
    if (blockChoice >= 0)
        write(kBlockRelativePitch, blockChoice == 1);
    store.endGroup();
}

template <typename T>
void Preferences::change(T &field, const T &value, const char *key, void (Preferences::*changed)())
{
    if (field == value && kept.contains(QLatin1String(key)))
        return;
    const bool differs = field != value;
    field = value;
    kept += QLatin1String(key);
    if (saver)
        saver();
    if (differs)
        emit (this->*changed)();
}

void Preferences::setAfterWrongAnswer(int choice)
{
    change(afterWrong, choice, kAfterWrongAnswer, &Preferences::afterWrongAnswerChanged);
}

void Preferences::setLabelCKeys(bool on)
{
    change(cLabels, on, kLabelCKeys, &Preferences::labelCKeysChanged);
}

void Preferences::setInstrumentChosen(bool value)
{
    change(chosen, value, kInstrumentChosen, &Preferences::instrumentChosenChanged);
    emit soundChanged();
}

void Preferences::setVaryInstrument(bool value)
{
    if (value == vary)
        return;
    // The choice is marked before the variation is written and told, so
    // that one write holds both.
    if (!chosen) {
        chosen = true;
        kept += QLatin1String(kInstrumentChosen);
        emit instrumentChosenChanged();
    }
    change(vary, value, kVaryInstrument, &Preferences::varyInstrumentChanged);
    emit soundChanged();
}

void Preferences::setVariedInstruments(const std::vector<int> &programs)
{
    change(varied, offeredOnce(programs), kVariedInstruments, &Preferences::variedInstrumentsChanged);
    emit soundChanged();
}

QVariantList Preferences::variedInstrumentList() const
{
    QVariantList list;
    for (const int program : varied)
        list << program;
    return list;
}

void Preferences::setVariedInstrumentList(const QVariantList &programs)
{
    std::vector<int> list;
    for (const QVariant &entry : programs)
        list.push_back(entry.toInt());
    setVariedInstruments(list);
}

void Preferences::setReferencePitch(double hertz)
{
    if (!isReferencePitch(hertz))
        return;
    change(pitch, hertz, kReferencePitch, &Preferences::referencePitchChanged);
    emit soundChanged();
}

void Preferences::setOutputDevice(const QString &portName)
{
    change(output, portName, kOutputDevice, &Preferences::outputDeviceChanged);
}

void Preferences::setLanguage(const QString &locale)
{
    change(lang, locale, kLanguage, &Preferences::languageChanged);
}

void Preferences::setNoteNames(const QString &key)
{
    change(names, key, kNoteNames, &Preferences::noteNamesChanged);
}

const QString &Preferences::levelsCourse()
{
    static const QString name = QStringLiteral("levels");
    return name;
}

const QString &Preferences::adaptiveCourse()
{
    static const QString name = QStringLiteral("adaptive");
    return name;
}

void Preferences::setCourse(const QString &name)
{
    if (name != levelsCourse() && name != adaptiveCourse())
        return;
    const bool blockBefore = blockRelativePitch();
    change(courseName, name, kCourse, &Preferences::courseChanged);
    if (blockRelativePitch() != blockBefore)
        emit blockRelativePitchChanged();
}

bool Preferences::blockRelativePitch() const
{
    return blockChoice < 0 ? adaptiveCourseChosen() : blockChoice == 1;
}

void Preferences::setBlockRelativePitch(bool on)
{
    const int choice = on ? 1 : 0;
    change(blockChoice, choice, kBlockRelativePitch, &Preferences::blockRelativePitchChanged);
}
