// The report printer: a page file laid out by Qt WebEngine and printed to a PDF
// file printer, and a page that cannot be loaded.
#include "view/report_printer.h"

#include <gtest/gtest.h>

#include <QPrinter>
#include <QSignalSpy>
#include <fstream>
#include <iterator>

#include "tests/support/test_support.h"

namespace motrevix {
namespace {

namespace fs = std::filesystem;

std::unique_ptr<QPrinter> PdfPrinter(const fs::path& file) {
  auto printer = std::make_unique<QPrinter>();
  printer->setOutputFormat(QPrinter::PdfFormat);
  printer->setOutputFileName(QString::fromStdString(file.string()));
  return printer;
}

TEST(ReportPrinter, PrintsAPageFileAndTellsWhenAPageCannotBeLoaded) {
  const fs::path dir = test::ScratchDir();
  std::ofstream(dir / "page.html") << "<body><p>Motrevix RD-310</p></body>\n";
  const struct {
    fs::path page;
    bool printed;
  } cases[] = {{dir / "page.html", true}, {dir / "missing.html", false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.page.string());
    const fs::path pdf = dir / (c.page.stem().string() + ".pdf");
    CReportPrinter printer;
    QSignalSpy finished(&printer, &CReportPrinter::Finished);
    printer.Print(QString::fromStdString(c.page.string()), PdfPrinter(pdf));
    EXPECT_TRUE(printer.Busy());
    // A second page waits for the first: it is not started.
    printer.Print(QString::fromStdString(c.page.string()), PdfPrinter(dir / "second.pdf"));
    ASSERT_TRUE(finished.wait(60000));
    ASSERT_EQ(finished.count(), 1);
    EXPECT_EQ(finished.at(0).at(0).toBool(), c.printed);
    EXPECT_FALSE(printer.Busy());
    EXPECT_EQ(fs::exists(pdf), c.printed);
    if (c.printed) {
      std::ifstream in(pdf, std::ios::binary);
      const std::string text{std::istreambuf_iterator<char>(in), {}};
      EXPECT_EQ(text.substr(0, 4), "%PDF");
    }
  }
  EXPECT_FALSE(fs::exists(dir / "second.pdf"));
}

}  // namespace
}  // namespace motrevix
