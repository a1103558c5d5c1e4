#include "progress_bar.h"

#include <algorithm>
#include <cstdio>
#include <unistd.h>

namespace lumora::cli {

namespace {
int PercentOf(int position, int maximum)
{
    if (maximum <= 0)
        return 100;
    return static_cast<int>(100LL * std::max(0, std::min(position, maximum)) / maximum);
}
} // namespace

QString ProgressBarLine(int position, int maximum, int barWidth)
{
    const int percent = PercentOf(position, maximum);
    const int filled = barWidth * percent / 100;
    return QStringLiteral("rendering [%1%2] %3%")
        .arg(QString(filled, QChar('#')), QString(barWidth - filled, QChar('.')))
        .arg(percent, 3);
}

StderrProgressBar::StderrProgressBar(bool forced)
    : forced_(forced), terminal_(isatty(STDERR_FILENO) == 1)
{
}

void StderrProgressBar::Begin(int maximum)
{
    maximum_ = maximum;
    timer_.start();
}

void StderrProgressBar::SetPosition(int row)
{
    if (!shown_)
        shown_ = forced_ || (terminal_ && timer_.elapsed() >= kDelayMs);
    if (!shown_)
        return;
    const int percent = PercentOf(row, maximum_);
    if (percent == lastPercent_)
        return;
    lastPercent_ = percent;
    std::fprintf(stderr, "\r%s", qPrintable(ProgressBarLine(row, maximum_, kBarWidth)));
    std::fflush(stderr);
}

void StderrProgressBar::End()
{
    if (shown_)
        std::fprintf(stderr, "\n");
    shown_ = false;
}

} // namespace lumora::cli
