#pragma once

#include <theory/piano.h>

#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>
#include <vector>

class QSettings;

// The user's options beyond the training state, one NOTIFY property each.
// They are kept in the [GlobalSetting] group of the training state's store,
// written by the store's own settings object: a change asks the store to save
// (save hook), and every save of the store writes them (writeTo), so that a
// failed write is reported and retried like the training state's own.
//
// Adding an option: a Q_PROPERTY with its getter, setter and signal, a field,
// its key in storedKeys(), a line in read() and one in writeTo().
class Preferences : public QObject {
    Q_OBJECT
    // After a wrong answer: 0 goes on after the short pause, 1 pauses and
    // plays the right note once more.
    Q_PROPERTY(int afterWrongAnswer READ afterWrongAnswer WRITE setAfterWrongAnswer NOTIFY afterWrongAnswerChanged)
    // The keyboard names its C keys.
    Q_PROPERTY(bool labelCKeys READ labelCKeys WRITE setLabelCKeys NOTIFY labelCKeysChanged)
    // Whether the user chose the timbre (before that, external synthesisers
    // keep their own), and whether each question draws one of the ticked ones.
    Q_PROPERTY(bool instrumentChosen READ instrumentChosen WRITE setInstrumentChosen NOTIFY instrumentChosenChanged)
    Q_PROPERTY(bool varyInstrument READ varyInstrument WRITE setVaryInstrument NOTIFY varyInstrumentChanged)
    Q_PROPERTY(QVariantList variedInstruments READ variedInstrumentList WRITE setVariedInstrumentList
                   NOTIFY variedInstrumentsChanged)
    // A4 in Hz, within the piano's reference bounds.
    Q_PROPERTY(double referencePitch READ referencePitch WRITE setReferencePitch NOTIFY referencePitchChanged)
    // The chosen output port's name; empty: the built-in synthesiser.
    Q_PROPERTY(QString outputDevice READ outputDevice WRITE setOutputDevice NOTIFY outputDeviceChanged)
    // The window's language, taken up at the next start: a translation's
    // locale name ("de", "zh_CN"), "en", or empty for the desktop's.
    Q_PROPERTY(QString language READ language WRITE setLanguage NOTIFY languageChanged)
    // The note names: empty for the language's own, else letters and octaves
    // as Theory::NoteNamingKey writes them ("german/c4").
    Q_PROPERTY(QString noteNames READ noteNames WRITE setNoteNames NOTIFY noteNamesChanged)
    // "levels" (the twelve levels) or "adaptive"; switching keeps both
    // courses' progress.
    Q_PROPERTY(QString course READ course WRITE setCourse NOTIFY courseChanged)
    // Successive questions far apart with noise between, so that the last
    // note cannot lead to the next one. Until set, on in the adaptive
    // course and off in the twelve levels.
    Q_PROPERTY(bool blockRelativePitch READ blockRelativePitch WRITE setBlockRelativePitch
                   NOTIFY blockRelativePitchChanged)
public:
    explicit Preferences(QObject *parent = nullptr);

    // The keys of [GlobalSetting] that these options own.
    static const QStringList &storedKeys();

    // Reads every option from the store; absent keys and nonsense give the
    // defaults. A null store (nothing is kept) gives the defaults.
    void read(QSettings *store);
    // Writes the options the store held or that were changed since.
    void writeTo(QSettings &store) const;
    // Asks the store to write; called after every change.
    void setSaver(std::function<void()> save) { saver = std::move(save); }

    int afterWrongAnswer() const { return afterWrong; }
    void setAfterWrongAnswer(int choice);
    bool labelCKeys() const { return cLabels; }
    void setLabelCKeys(bool on);
    bool instrumentChosen() const { return chosen; }
    void setInstrumentChosen(bool value);
    bool varyInstrument() const { return vary; }
    // Varying is a choice of timbres too: it also marks the instrument chosen.
    void setVaryInstrument(bool value);
    const std::vector<int> &variedInstruments() const { return varied; }
    // Programs nobody offers and repeats are dropped.
    void setVariedInstruments(const std::vector<int> &programs);
    QVariantList variedInstrumentList() const;
    void setVariedInstrumentList(const QVariantList &programs);
    double referencePitch() const { return pitch; }
    // A pitch outside the bounds is refused.
    void setReferencePitch(double hertz);
    const QString &outputDevice() const { return output; }
    void setOutputDevice(const QString &portName);
    const QString &language() const { return lang; }
    void setLanguage(const QString &locale);
    const QString &noteNames() const { return names; }
    void setNoteNames(const QString &key);
    static const QString &levelsCourse();   // "levels"
    static const QString &adaptiveCourse(); // "adaptive"
    const QString &course() const { return courseName; }
    bool adaptiveCourseChosen() const { return courseName == adaptiveCourse(); }
    // Anything but the two names is refused.
    void setCourse(const QString &name);
    bool blockRelativePitch() const;
    void setBlockRelativePitch(bool on);
    // Whether read() found a value it could not take (an unknown course) and
    // replaced it; the store should be written so that it holds the repair.
    bool repairedOnRead() const { return repaired; }

signals:
    void afterWrongAnswerChanged();
    void labelCKeysChanged();
    void instrumentChosenChanged();
    void varyInstrumentChanged();
    void variedInstrumentsChanged();
    void referencePitchChanged();
    void outputDeviceChanged();
    void languageChanged();
    void noteNamesChanged();
    void courseChanged();
    void blockRelativePitchChanged();
    // Any of the sound options (timbre, variation, pitch) changed.
    void soundChanged();

private:
    // Takes a new value: marks its key for writing, saves, tells.
    template <typename T>
    void change(T &field, const T &value, const char *key, void (Preferences::*changed)());

    int afterWrong = 0;
    bool cLabels = true;
    bool chosen = false;
    bool vary = false;
    std::vector<int> varied;
    double pitch = Piano::kDefaultReferencePitch;
    QString output;
    QString lang;
    QString names;
    QString courseName = levelsCourse();
    int blockChoice = -1; // -1: never set; else 0 or 1
    bool repaired = false;

    // Keys the store held when read or that were changed since; only these
    // are written, so that a store keeps the keys it had.
    QSet<QString> kept;
    std::function<void()> saver;
};
