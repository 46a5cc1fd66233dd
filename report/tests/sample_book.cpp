// Writes the sample calculation book (sample_document.h) as Word or HTML, by the file's
// extension, a bay's part at a time as a schedule's book is written: for the LibreOffice test,
// a look at both formats, and the measurements of a long book.
//   sample_book FILE.docx|FILE.html BAYS [LOGO.png]
#include <charconv>
#include <fstream>
#include <iostream>
#include <iterator>
#include <memory>
#include <string>

#include "report/docx_writer.h"
#include "report/html_writer.h"
#include "report/tests/sample_document.h"

int main(int argc, char** argv) {
    using namespace deckplate::report::doc;
    int bays = 0;
    const std::string file = argc > 1 ? argv[1] : "";
    if (argc < 3 || argc > 4 ||
        std::from_chars(argv[2], argv[2] + std::char_traits<char>::length(argv[2]), bays).ec !=
            std::errc() ||
        bays < 1) {
        std::cerr << "usage: sample_book FILE.docx|FILE.html BAYS [LOGO.png]\n";
        return 2;
    }
    std::string logo;
    if (argc == 4) {
        std::ifstream in(argv[3], std::ios::binary);
        logo.assign(std::istreambuf_iterator<char>(in), {});
        if (!in && !in.eof()) {
            std::cerr << "cannot read " << argv[3] << "\n";
            return 1;
        }
    }
    std::ofstream out(file, std::ios::binary);
    const bool docx = file.size() > 5 && file.substr(file.size() - 5) == ".docx";
    std::unique_ptr<DocumentWriter> writer;
    if (docx)
        writer = std::make_unique<DocxWriter>(out, SampleInfo());
    else
        writer = std::make_unique<HtmlWriter>(out, SampleInfo());
    for (const Block& block : SampleFront(bays, std::move(logo))) writer->Write(block);
    for (int bay = 1; bay <= bays; ++bay)
        for (const Block& block : SampleBay(bay)) writer->Write(block);
    writer->Finish();
    out.close();
    if (!out) {
        std::cerr << "cannot write " << file << "\n";
        return 1;
    }
    return 0;
}
