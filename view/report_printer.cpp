#include "view/report_printer.h"

#include <QPrinter>
#include <QUrl>
#include <QWebEngineView>

namespace motrevix {

CReportPrinter::CReportPrinter() = default;

CReportPrinter::~CReportPrinter() = default;

void CReportPrinter::Print(const QString& pagePath, std::unique_ptr<QPrinter> printer) {
  if (Busy() || !printer) return;
  finished_.reset();
  printer_ = std::move(printer);
  view_ = std::make_unique<QWebEngineView>();
  QWebEngineView* view = view_.get();
  connect(view, &QWebEngineView::loadFinished, this, [this, view](bool loaded) {
    if (view != view_.get()) return;
    if (!loaded) {
      End(false);
      return;
    }
    view->print(printer_.get());
  });
  connect(view, &QWebEngineView::printFinished, this, [this, view](bool printed) {
    if (view == view_.get()) End(printed);
  });
  view->load(QUrl::fromLocalFile(pagePath));
}

void CReportPrinter::End(bool printed) {
  // The view is inside its own signal here: it goes with the next page or this printer.
  finished_ = std::move(view_);
  printer_.reset();
  emit Finished(printed);
}

}  // namespace motrevix
