// Opening a workbook of many small sheets (one text and one number each): the file reader on
// its own (ReadFile) and binding the file as the program does (Bind), for 2,000 and 20,000
// sheets. Both should grow in step with the number of sheets.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/runtime/number_text.h"
#include "platform/workbook/workbook.h"
#include "platform/workbook/xls_file.h"

namespace {

// Writes the workbook of `count` sheets once per count and returns its path.
std::string ManySheetsFile(int count) {
    auto dir = std::filesystem::path(VANTOR_BINARY_DIR) / "bench_scratch";
    std::filesystem::create_directories(dir);
    std::string path = (dir / ("many_sheets_" + rt::CStr(count) + ".xls")).string();
    if (std::filesystem::exists(path)) return path;
    std::vector<xl::detail::SheetContent> sheets(static_cast<std::size_t>(count));
    std::vector<const xl::detail::SheetContent*> order;
    for (int i = 0; i < count; ++i) {
        auto& sheet = sheets[static_cast<std::size_t>(i)];
        sheet.name = "Sheet" + rt::CStr(i + 1);
        sheet.cells.PutText(1, 1, 0, "No." + rt::CStr(i + 1));
        sheet.cells.PutNumber(2, 1, 0, xl::ValueKind::Double, i * 0.5);
        order.push_back(&sheet);
    }
    xl::detail::WriteXlsFile(path, order, 0);
    return path;
}

void ReadFile(benchmark::State& state) {
    std::string path = ManySheetsFile(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        auto book = xl::detail::ReadXlsFile(path);
        benchmark::DoNotOptimize(book.sheets.size());
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(ReadFile)->Arg(2000)->Arg(20000)->Unit(benchmark::kMillisecond)->Complexity();

void Bind(benchmark::State& state) {
    std::string path = ManySheetsFile(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        auto book = xl::GetObject(path);
        benchmark::DoNotOptimize(book->Worksheets(static_cast<int>(state.range(0)))->Cells(1, 1)->Value());
        book->Application()->Quit();
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(Bind)->Arg(2000)->Arg(20000)->Unit(benchmark::kMillisecond)->Complexity();

} // namespace
