#include "help/help_history.h"

namespace lumora {

void HelpHistory::Record(const QString& path)
{
    if (!entries_.isEmpty())
        entries_.resize(index_ + 1);
    entries_.append(path);
    index_ = entries_.size() - 1;
}

bool HelpHistory::Back()
{
    if (!CanGoBack())
        return false;
    --index_;
    return true;
}

bool HelpHistory::Forward()
{
    if (!CanGoForward())
        return false;
    ++index_;
    return true;
}

QString HelpHistory::Current() const
{
    return entries_.isEmpty() ? QString() : entries_.at(index_);
}

} // namespace lumora
