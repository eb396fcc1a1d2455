#pragma once

#include <QWidget>

class CQuillonToolSetApp;

// The "Accident Info" page: the six standard accidents of a hazard whose figures come from the
// accident database.
class CHazardAccidentInfo : public QWidget
{
    Q_OBJECT
public:
    explicit CHazardAccidentInfo(CQuillonToolSetApp* app, QWidget* parent = nullptr);
    ~CHazardAccidentInfo() override;

    // Reloads the page for m_CurrentHazardId.
    void RefreshAccidentInfo();
    int ShownHazardId() const { return m_HazardId; }

private:
    CQuillonToolSetApp* m_App;
    int m_HazardId = 0;
};
