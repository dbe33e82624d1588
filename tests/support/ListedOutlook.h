#pragma once

#include "outlook/OutlookAutomation.h"

#include <QList>
#include <QQueue>

#include <optional>

// Outlook automation for tests: a list of folders in which the "user" picks
// the one queued next (or cancels), and the profile a logon gives. Installed
// for its lifetime.
class ListedOutlook : public OutlookAutomation {
public:
    explicit ListedOutlook(QList<OutlookFolder> folders) : m_folders(std::move(folders)) {
        Outlook::install(this);
    }
    ~ListedOutlook() override { Outlook::install(nullptr); }
    ListedOutlook(const ListedOutlook&) = delete;
    ListedOutlook& operator=(const ListedOutlook&) = delete;

    static constexpr int kCancel = -1;
    // The index of the folder the next pick takes, or kCancel.
    void queuePick(int index) { m_picks.enqueue(index); }
    // What the next logons give; nothing is a failed or cancelled logon.
    void setProfile(std::optional<QString> profile) { m_profile = std::move(profile); }
    int picksShown() const { return m_shown; }

    std::optional<QString> logonProfile() override { return m_profile; }
    Pick pickFolder() override {
        ++m_shown;
        const int index = m_picks.isEmpty() ? kCancel : m_picks.dequeue();
        if (index < 0 || index >= m_folders.size())
            return Pick{PickStatus::Cancelled, {}};
        return Pick{PickStatus::Picked, m_folders[index]};
    }

private:
    QList<OutlookFolder> m_folders;
    QQueue<int> m_picks;
    std::optional<QString> m_profile;
    int m_shown = 0;
};
