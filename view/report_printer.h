#pragma once
// Prints the report page: Qt WebEngine lays the page out (with its pictures,
// which it finds beside the page) in a view that is never shown, and prints it
// on the printer the user set up. Printing runs on after Print returns; Finished
// tells how it ended. One page prints at a time.

#include <QObject>
#include <QString>
#include <memory>

class QPrinter;
class QWebEngineView;

namespace motrevix {

class CReportPrinter : public QObject {
  Q_OBJECT

 public:
  CReportPrinter();
  ~CReportPrinter() override;

  bool Busy() const { return view_ != nullptr; }
  // Starts printing the page file on the printer, which the job keeps until it
  // ends. Ignored while Busy().
  void Print(const QString& pagePath, std::unique_ptr<QPrinter> printer);

 signals:
  // The page could not be loaded or printed (false), or it was printed.
  void Finished(bool printed);

 private:
  void End(bool printed);

  std::unique_ptr<QPrinter> printer_;
  std::unique_ptr<QWebEngineView> view_;
  // The view of the page printed last.
  std::unique_ptr<QWebEngineView> finished_;
};

}  // namespace motrevix
