// What the benchmarks do alike: time work over several runs, read their command lines, and open a
// window's session on queued roll calls of the sample tree.
#pragma once

#include "core/app/Session.h"
#include "core/data/Preferences.h"
#include "core/search/CongressSearchFiles.h"
#include "core/search/SelectionQueue.h"

#include <QElapsedTimer>
#include <QStringList>
#include <algorithm>
#include <functional>
#include <vector>

namespace rollscan::bench {

// Every run's time in milliseconds, fastest first.
inline std::vector<double> runsMs(const std::function<void()> &work, int repeats)
{
    std::vector<double> times;
    for (int i = 0; i < repeats; ++i) {
        QElapsedTimer t;
        t.start();
        work();
        times.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times;
}

// Runs of a median unless a benchmark says otherwise.
constexpr int kMedianRuns = 41;

// The median: a run slowed by another process on a shared machine does not move it.
inline double medianMs(const std::function<void()> &work, int repeats = kMedianRuns)
{
    return runsMs(work, repeats)[size_t(repeats / 2)];
}

// The fastest run: for work whose files are in the cache after the first run.
inline double bestMs(const std::function<void()> &work, int repeats = 7)
{
    return runsMs(work, repeats).front();
}

inline QString ms(double value)
{
    return QString::number(value, 'f', 2);
}

// A benchmark's arguments: options `--name value`, the flags named when it is built, and at most one
// folder, the data tree (default: the sample of the source tree).
class Options {
public:
    Options(const QStringList &arguments, const QStringList &flags = {})
    {
        for (qsizetype i = 1; i < arguments.size(); ++i) {
            const QString &a = arguments.at(i);
            if (!a.startsWith(QLatin1String("--")))
                m_root = a;
            else if (flags.contains(a))
                m_set.append(a);
            else if (i + 1 < arguments.size())
                m_values.append({a, arguments.at(++i)});
        }
    }

    QString root() const { return m_root; }
    bool has(const QString &name) const { return m_set.contains(name) || !text(name).isEmpty(); }
    QString text(const QString &name) const
    {
        for (const auto &[key, value] : m_values)
            if (key == name)
                return value;
        return {};
    }
    int number(const QString &name, int fallback) const { return has(name) ? text(name).toInt() : fallback; }
    // "1.5,2,3" as numbers.
    QList<double> numbers(const QString &name) const
    {
        QList<double> out;
        if (has(name))
            for (const QString &part : text(name).split(QLatin1Char(',')))
                out.append(part.toDouble());
        return out;
    }

private:
    QStringList m_set;
    QList<std::pair<QString, QString>> m_values;
    QString m_root = QStringLiteral(ROLLSCAN_SOURCE_SAMPLE);
};

// Leaves the session as the roll-call list leaves it for a window: the tree's preferences read,
// one congress of the chamber chosen, roll call `rollCall` queued and cross-tabulated with `partner`
// unless that is 0.
inline void OpenOnRollCall(Session &session, bool isHouse, int congress, int rollCall, int partner)
{
    session.Preferences = Preferences::Read(session.preferencesPath());
    session.newDataFormat = true;
    session.isHouse = isHouse;
    session.findCongresses();
    session.selectedCongresses = {congress};
    session.loadCongressCounts(congress);
    const CongressSearchFiles files(session.dataRoot, isHouse, congress, true, false);
    for (const int r : {rollCall, partner})
        if (r > 0)
            session.MatchTable.append(files.matchRow(r));
    session.queue.addRows(session.MatchTable, partner > 0 ? QList<int>{1, 2} : QList<int>{1}, false);
    session.queue.setCurrentQueuePos(1);
    session.crossTabRequested = partner > 0;
}

} // namespace rollscan::bench
