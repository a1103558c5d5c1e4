#pragma once
// HelpHistory: the pages the help window has shown, in order, with the
// one shown now. Recording a page after going back drops the pages ahead
// of the current one, as a web browser does.

#include <QString>
#include <QStringList>

namespace lumora {

class HelpHistory
{
public:
    // Drops every entry after the current one, appends path and makes it
    // the current entry.
    void Record(const QString& path);

    bool CanGoBack() const { return index_ > 0; }
    bool CanGoForward() const { return index_ < entries_.size() - 1; }
    // Moves the current entry by one; answers false (and stays) where
    // there is nothing to move to.
    bool Back();
    bool Forward();

    // 0 for an empty history.
    qsizetype Index() const { return index_; }
    const QStringList& Entries() const { return entries_; }
    // The current entry; empty for an empty history.
    QString Current() const;

private:
    QStringList entries_;
    qsizetype index_ = 0;
};

} // namespace lumora
