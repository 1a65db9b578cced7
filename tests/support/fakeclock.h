// A clock that stands still until the test moves it.
#pragma once

#include "clock.h"

class FakeClock : public Clock
{
public:
    QDateTime now() const override { return m_now; }

    void advanceSeconds(qint64 seconds) { m_now = m_now.addSecs(seconds); }
    void advanceDays(int days) { m_now = m_now.addDays(days); }

private:
    QDateTime m_now{QDate(2024, 3, 1), QTime(12, 0), Qt::UTC};
};
