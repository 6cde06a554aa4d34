#pragma once

// The date picker of the entry forms (TOrvDate): a date field in the office's
// M/d/yyyy form with a drop-down month calendar. The five extra properties
// are kept for the forms that set them; nothing here reads them.

#include "common/core/Clock.h"

#include <QDateEdit>

namespace kiv5::ui {

class OrvDate : public QDateEdit {
    Q_OBJECT
    Q_PROPERTY(int TOrder READ TOrder WRITE SetTOrder)
    Q_PROPERTY(int AType READ AType WRITE SetAType)
    Q_PROPERTY(int IOType READ IOType WRITE SetIOType)
    Q_PROPERTY(bool OFlag READ OFlag WRITE SetOFlag)
    Q_PROPERTY(bool Modified READ Modified WRITE SetModified)

public:
    // Starts at the clock's today.
    explicit OrvDate(const Clock& clock, QWidget* parent = nullptr);
    explicit OrvDate(const QDate& date, QWidget* parent = nullptr);

    int TOrder() const { return tOrder_; }
    void SetTOrder(int value) { tOrder_ = value; }
    int AType() const { return aType_; }
    void SetAType(int value) { aType_ = value; }
    int IOType() const { return ioType_; }
    void SetIOType(int value) { ioType_ = value; }
    bool OFlag() const { return oFlag_; }
    void SetOFlag(bool value) { oFlag_ = value; }
    bool Modified() const { return modified_; }
    void SetModified(bool value) { modified_ = value; }

private:
    int tOrder_ = 0;
    int aType_ = 0;
    int ioType_ = 0;
    bool oFlag_ = false;
    bool modified_ = false;
};

} // namespace kiv5::ui
