// The area below the top bar that holds the full interface page for the whole run, wired to
// the session's change events, the language and the program's yes/no box; its value fields
// form the page's focus ring.
#pragma once

#include <QFrame>

namespace corva::pages {
class FullInterfacePage;
}

namespace corva::shell {

class AppContext;
class FocusRing;

class PageArea : public QFrame {
    Q_OBJECT

public:
    PageArea(AppContext& context, QWidget* parent);

    QString title() const;
    pages::FullInterfacePage& page() { return *page_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    FocusRing* ring_;
    pages::FullInterfacePage* page_;
};

}  // namespace corva::shell
