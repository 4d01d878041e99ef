// Every Japanese text of the main window, in one table: the Shift-JIS bytes
// the window uses, with the same text in UTF-8 beside them (a test converts
// each twin and requires the bytes).
#pragma once

#include <array>
#include <string_view>

namespace peruka {

enum class WindowText {
  Title,
  XHeading,
  YHeading,
  ClearCaption,
  CalcCaption,
  DegreeName,
  ResultName,
  CopyCommand,
  PastePairsCommand,
  NotAPairNotice,
  FileNotReadNotice,
  SaveDataCommand,
  FileNotWrittenNotice,
  DataFileType,
  PngFileType,
  SvgFileType,
  GraphTitle,
  ShowGraphCommand,
  ShowResidualsOption,
  SavePngCommand,
  SaveSvgCommand,
  CopyImageCommand,
  GraphDegreeLead,
  GraphDegreeTail,
  ShowDetailsCommand,
  ShowExactOption,
  ExactLegend,
  DetailsTitle,
  CopyTableCommand,
  PowerHeading,
  DescribedHeading,
  ExactHeading,
  TrustedHeading,
  StandardErrorHeading,
  LowerHeading,
  UpperHeading,
  RSquaredName,
  AdjustedRSquaredName,
  ResidualDeviationName,
  Undefined,
  WarningLead,
  CoefficientOf,
  ConstantTerm,
  DigitsLead,
  DigitsTail,
  ListSeparator,
  WarningTail,
  NotUniqueLead,
  NotUniqueMiddle,
  NotUniqueTail,
  CopyPlainEquationCommand,
  CopyLatexEquationCommand,
  CopySpreadsheetEquationCommand,
  CopyCEquationCommand,
  CopyPythonEquationCommand,
  MeanBandOption,
  PredictionBandOption,
  MeanBandLegend,
  PredictionBandLegend,
  XEntryName,
  CursorLead,
};

struct TextTwin {
  std::string_view shiftJis;
  std::u8string_view utf8;
};

struct WindowTextEntry {
  WindowText id;
  TextTwin text;
};

inline constexpr WindowTextEntry kWindowTexts[] = {
    // the window title and the application title
    {WindowText::Title, {"\x83\x79\x83\x8B\x83\x4A", u8"ペルカ"}},
    // the heading of the x column
    {WindowText::XHeading, {"\x82\x77\x82\xCC\x92\x6C\x81\x46", u8"Ｘの値："}},
    // the heading of the y column
    {WindowText::YHeading, {"\x82\x78\x82\xCC\x92\x6C\x81\x46", u8"Ｙの値："}},
    // the clear button
    {WindowText::ClearCaption, {"\x83\x66\x81\x5B\x83\x5E\x8D\xED\x8F\x9C", u8"データ削除"}},
    // the calculate button
    {WindowText::CalcCaption, {"\x8C\x76\x8E\x5A\x8E\xC0\x8D\x73", u8"計算実行"}},
    // the degree list, for screen readers
    {WindowText::DegreeName, {"\x8E\x9F\x90\x94", u8"次数"}},
    // the result label while it is empty, for screen readers
    {WindowText::ResultName, {"\x8C\x76\x8E\x5A\x8C\x8B\x89\xCA", u8"計算結果"}},
    // the result label's context menu item that copies the result
    {WindowText::CopyCommand, {"\x83\x52\x83\x73\x81\x5B\x28\x26\x43\x29", u8"コピー(&C)"}},
    // the column boxes' context menu item that pastes (x, y) pairs
    {WindowText::PastePairsCommand,
     {"\x78\x20\x82\xC6\x20\x79\x20\x82\xCC\x91\x67\x82\xF0\x93\x5C\x82\xE8\x95\x74\x82\xAF\x28\x26\x56\x29",
      u8"x と y の組を貼り付け(&V)"}},
    // the notice for a pasted line that is not a pair, after its line number
    {WindowText::NotAPairNotice,
     {"\x20\x8D\x73\x96\xDA\x82\xAA\x20\x78\x20\x82\xC6\x20\x79\x20\x82\xCC\x91\x67\x82\xC9\x82"
      "\xC8\x82\xC1\x82\xC4\x82\xA2\x82\xDC\x82\xB9\x82\xF1",
      u8" 行目が x と y の組になっていません"}},
    // the notice for a dropped file that cannot be read, after its name
    {WindowText::FileNotReadNotice,
     {"\x20\x82\xF0\x93\xC7\x82\xDD\x8D\x9E\x82\xDF\x82\xDC\x82\xB9\x82\xF1", u8" を読み込めません"}},
    // the column boxes' context menu item that saves both columns to a file
    {WindowText::SaveDataCommand,
     {"\x83\x66\x81\x5B\x83\x5E\x82\xF0\x95\xDB\x91\xB6\x28\x26\x53\x29\x2E\x2E\x2E",
      u8"データを保存(&S)..."}},
    // the notice for a file that cannot be written, after its name
    {WindowText::FileNotWrittenNotice,
     {"\x20\x82\xC9\x8F\x91\x82\xAB\x8D\x9E\x82\xDF\x82\xDC\x82\xB9\x82\xF1", u8" に書き込めません"}},
    // the save dialogs' file types: both columns, and the graph as PNG or SVG
    {WindowText::DataFileType,
     {"\x83\x5E\x83\x75\x8B\xE6\x90\xD8\x82\xE8\x83\x65\x83\x4C\x83\x58\x83\x67", u8"タブ区切りテキスト"}},
    {WindowText::PngFileType, {"\x50\x4E\x47\x20\x89\xE6\x91\x9C", u8"PNG 画像"}},
    {WindowText::SvgFileType, {"\x53\x56\x47\x20\x89\xE6\x91\x9C", u8"SVG 画像"}},
    // the graph window's title and name
    {WindowText::GraphTitle, {"\x83\x4F\x83\x89\x83\x74", u8"グラフ"}},
    // the result label's context menu item that opens the graph window
    {WindowText::ShowGraphCommand,
     {"\x83\x4F\x83\x89\x83\x74\x82\xF0\x95\x5C\x8E\xA6\x28\x26\x47\x29", u8"グラフを表示(&G)"}},
    // the graph window's option that draws the residuals
    {WindowText::ShowResidualsOption,
     {"\x8E\x63\x8D\xB7\x82\xF0\x95\x5C\x8E\xA6\x28\x26\x52\x29", u8"残差を表示(&R)"}},
    // the graph window's button that saves the graph as a PNG image
    {WindowText::SavePngCommand,
     {"\x50\x4E\x47\x20\x82\xC5\x95\xDB\x91\xB6\x28\x26\x50\x29\x2E\x2E\x2E", u8"PNG で保存(&P)..."}},
    // the graph window's button that saves the graph as an SVG drawing
    {WindowText::SaveSvgCommand,
     {"\x53\x56\x47\x20\x82\xC5\x95\xDB\x91\xB6\x28\x26\x53\x29\x2E\x2E\x2E", u8"SVG で保存(&S)..."}},
    // the graph window's button that copies the graph as an image
    {WindowText::CopyImageCommand,
     {"\x89\xE6\x91\x9C\x82\xF0\x83\x52\x83\x73\x81\x5B\x28\x26\x43\x29", u8"画像をコピー(&C)"}},
    // the graph's heading: before the degree
    {WindowText::GraphDegreeLead, {"\x8E\x9F\x90\x94\x20", u8"次数 "}},
    // the graph's heading: after the degree
    {WindowText::GraphDegreeTail, {"\x20\x82\xCC\x91\xBD\x8D\x80\x8E\xAE", u8" の多項式"}},
    // the result label's context menu item that opens the detail window
    {WindowText::ShowDetailsCommand,
     {"\x8F\xDA\x8D\xD7\x82\xF0\x95\x5C\x8E\xA6\x28\x26\x44\x29", u8"詳細を表示(&D)"}},
    // the graph window's option that draws the exact polynomial too
    {WindowText::ShowExactOption,
     {"\x8C\xB5\x96\xA7\x89\xF0\x82\xE0\x95\x60\x82\xAD\x28\x26\x45\x29", u8"厳密解も描く(&E)"}},
    // the graph's legend of the exact polynomial
    {WindowText::ExactLegend, {"\x8C\xB5\x96\xA7\x89\xF0", u8"厳密解"}},
    // the detail window's title and name
    {WindowText::DetailsTitle, {"\x8C\x76\x8E\x5A\x82\xCC\x8F\xDA\x8D\xD7", u8"計算の詳細"}},
    // the detail window's button that copies the table as text
    {WindowText::CopyTableCommand,
     {"\x95\x5C\x82\xF0\x83\x52\x83\x73\x81\x5B\x28\x26\x43\x29", u8"表をコピー(&C)"}},
    // the detail table's headings: the power of x
    {WindowText::PowerHeading, {"\x78\x20\x82\xCC\x8E\x77\x90\x94", u8"x の指数"}},
    // the coefficient the window calculated
    {WindowText::DescribedHeading,
     {"\x8C\x76\x8E\x5A\x8C\x8B\x89\xCA\x82\xCC\x8C\x57\x90\x94", u8"計算結果の係数"}},
    // the exact coefficient
    {WindowText::ExactHeading, {"\x8C\xB5\x96\xA7\x82\xC8\x8C\x57\x90\x94", u8"厳密な係数"}},
    // how many digits of the calculated one agree with it
    {WindowText::TrustedHeading,
     {"\x90\x4D\x97\x8A\x82\xC5\x82\xAB\x82\xE9\x8C\x85\x90\x94", u8"信頼できる桁数"}},
    // the standard error
    {WindowText::StandardErrorHeading, {"\x95\x57\x8F\x80\x8C\xEB\x8D\xB7", u8"標準誤差"}},
    // the 95% confidence interval's ends
    {WindowText::LowerHeading,
     {"\x39\x35\x25\x20\x90\x4D\x97\x8A\x8B\xE6\x8A\xD4\x82\xCC\x89\xBA\x8C\xC0", u8"95% 信頼区間の下限"}},
    {WindowText::UpperHeading,
     {"\x39\x35\x25\x20\x90\x4D\x97\x8A\x8B\xE6\x8A\xD4\x82\xCC\x8F\xE3\x8C\xC0", u8"95% 信頼区間の上限"}},
    // the figures under the table
    {WindowText::RSquaredName, {"\x8C\x88\x92\xE8\x8C\x57\x90\x94", u8"決定係数"}},
    {WindowText::AdjustedRSquaredName,
     {"\x8E\xA9\x97\x52\x93\x78\x92\xB2\x90\xAE\x8D\xCF\x82\xDD\x8C\x88\x92\xE8\x8C\x57\x90\x94",
      u8"自由度調整済み決定係数"}},
    {WindowText::ResidualDeviationName,
     {"\x8E\x63\x8D\xB7\x82\xCC\x95\x57\x8F\x80\x95\xCE\x8D\xB7", u8"残差の標準偏差"}},
    // a figure that the data leave undefined
    {WindowText::Undefined, {"\x92\xE8\x8B\x60\x82\xB3\x82\xEA\x82\xDC\x82\xB9\x82\xF1", u8"定義されません"}},
    // the warning: "警告: x^10 の係数は有効数字 2 桁、定数項は 3 桁しか信頼できません。"
    {WindowText::WarningLead, {"\x8C\x78\x8D\x90\x3A\x20", u8"警告: "}},
    {WindowText::CoefficientOf, {"\x20\x82\xCC\x8C\x57\x90\x94\x82\xCD", u8" の係数は"}},
    {WindowText::ConstantTerm, {"\x92\xE8\x90\x94\x8D\x80\x82\xCD", u8"定数項は"}},
    {WindowText::DigitsLead, {"\x97\x4C\x8C\xF8\x90\x94\x8E\x9A\x20", u8"有効数字 "}},
    {WindowText::DigitsTail, {"\x20\x8C\x85", u8" 桁"}},
    {WindowText::ListSeparator, {"\x81\x41", u8"、"}},
    {WindowText::WarningTail,
     {"\x82\xB5\x82\xA9\x90\x4D\x97\x8A\x82\xC5\x82\xAB\x82\xDC\x82\xB9\x82\xF1\x81\x42",
      u8"しか信頼できません。"}},
    // the note of a polynomial that is not unique: "x の値が 4 種類に満たないため、3 次の…"
    {WindowText::NotUniqueLead, {"\x78\x20\x82\xCC\x92\x6C\x82\xAA\x20", u8"x の値が "}},
    {WindowText::NotUniqueMiddle,
     {"\x20\x8E\xED\x97\xDE\x82\xC9\x96\x9E\x82\xBD\x82\xC8\x82\xA2\x82\xBD\x82\xDF\x81\x41",
      u8" 種類に満たないため、"}},
    {WindowText::NotUniqueTail,
     {"\x20\x8E\x9F\x82\xCC\x91\xBD\x8D\x80\x8E\xAE\x82\xCD\x88\xEA\x82\xC2\x82\xC9\x92\xE8\x82\xDC\x82\xE8"
      "\x82\xDC\x82\xB9\x82\xF1\x81\x42\x95\x5C\x8E\xA6\x82\xB3\x82\xEA\x82\xC4\x82\xA2\x82\xE9\x8C\x8B\x89"
      "\xCA\x82\xCD\x81\x41\x93\xAF\x82\xB6\x82\xBE\x82\xAF\x82\xE6\x82\xAD\x93\x96\x82\xC4\x82\xCD\x82\xDC"
      "\x82\xE9\x96\xB3\x90\x94\x82\xCC\x91\xBD\x8D\x80\x8E\xAE\x82\xCC\x88\xEA\x82\xC2\x82\xC5\x82\xB7\x81"
      "\x42",
      u8" 次の多項式は一つに定まりません。表示されている結果は、同じだけよく当てはまる無数の多項式の一つです"
      u8"。"}},
    // the result label's context menu items that copy the equation in other notations
    {WindowText::CopyPlainEquationCommand,
     {"\x8E\xAE\x82\xF0\x83\x65\x83\x4C\x83\x58\x83\x67\x82\xC5\x83\x52\x83\x73\x81\x5B\x28\x26\x54\x29",
      u8"式をテキストでコピー(&T)"}},
    {WindowText::CopyLatexEquationCommand,
     {"\x8E\xAE\x82\xF0\x20\x4C\x61\x54\x65\x58\x20\x82\xC5\x83\x52\x83\x73\x81\x5B\x28\x26\x4C\x29",
      u8"式を LaTeX でコピー(&L)"}},
    {WindowText::CopySpreadsheetEquationCommand,
     {"\x8E\xAE\x82\xF0\x95\x5C\x8C\x76\x8E\x5A\x82\xCC\x90\x94\x8E\xAE\x82\xC5\x83\x52\x83\x73\x81\x5B\x28"
      "\x26\x45\x29",
      u8"式を表計算の数式でコピー(&E)"}},
    {WindowText::CopyCEquationCommand,
     {"\x8E\xAE\x82\xF0\x20\x43\x20\x82\xCC\x8A\xD6\x90\x94\x82\xC5\x83\x52\x83\x73\x81\x5B\x28\x26\x46\x29",
      u8"式を C の関数でコピー(&F)"}},
    {WindowText::CopyPythonEquationCommand,
     {"\x8E\xAE\x82\xF0\x20\x50\x79\x74\x68\x6F\x6E\x20\x82\xCC\x8A\xD6\x90\x94\x82\xC5\x83\x52\x83\x73\x81"
      "\x5B\x28\x26\x59\x29",
      u8"式を Python の関数でコピー(&Y)"}},
    // the graph window's options that draw the 95% bands of the mean and of a new observation
    {WindowText::MeanBandOption,
     {"\x90\x4D\x97\x8A\x91\xD1\x82\xF0\x95\x60\x82\xAD\x28\x26\x4D\x29", u8"信頼帯を描く(&M)"}},
    {WindowText::PredictionBandOption,
     {"\x97\x5C\x91\xAA\x91\xD1\x82\xF0\x95\x60\x82\xAD\x28\x26\x4E\x29", u8"予測帯を描く(&N)"}},
    // the legend's names of the two bands
    {WindowText::MeanBandLegend, {"\x39\x35\x25\x20\x90\x4D\x97\x8A\x91\xD1", u8"95% 信頼帯"}},
    {WindowText::PredictionBandLegend, {"\x39\x35\x25\x20\x97\x5C\x91\xAA\x91\xD1", u8"95% 予測帯"}},
    // the graph window's entry of an x at which the polynomial is evaluated
    {WindowText::XEntryName, {"\x78\x20\x82\xCC\x92\x6C\x28\x26\x58\x29\x3A", u8"x の値(&X):"}},
    // the graph window's read-out of the cursor, before "x = ..."
    {WindowText::CursorLead, {"\x83\x4A\x81\x5B\x83\x5C\x83\x8B\x88\xCA\x92\x75", u8"カーソル位置"}},
};

// The degree list's items, "１次" to "２０次".
inline constexpr std::array<TextTwin, 20> kDegreeItems = {{
    {"\x82\x50\x8E\x9F", u8"１次"},           {"\x82\x51\x8E\x9F", u8"２次"},
    {"\x82\x52\x8E\x9F", u8"３次"},           {"\x82\x53\x8E\x9F", u8"４次"},
    {"\x82\x54\x8E\x9F", u8"５次"},           {"\x82\x55\x8E\x9F", u8"６次"},
    {"\x82\x56\x8E\x9F", u8"７次"},           {"\x82\x57\x8E\x9F", u8"８次"},
    {"\x82\x58\x8E\x9F", u8"９次"},           {"\x82\x50\x82\x4F\x8E\x9F", u8"１０次"},
    {"\x82\x50\x82\x50\x8E\x9F", u8"１１次"}, {"\x82\x50\x82\x51\x8E\x9F", u8"１２次"},
    {"\x82\x50\x82\x52\x8E\x9F", u8"１３次"}, {"\x82\x50\x82\x53\x8E\x9F", u8"１４次"},
    {"\x82\x50\x82\x54\x8E\x9F", u8"１５次"}, {"\x82\x50\x82\x55\x8E\x9F", u8"１６次"},
    {"\x82\x50\x82\x56\x8E\x9F", u8"１７次"}, {"\x82\x50\x82\x57\x8E\x9F", u8"１８次"},
    {"\x82\x50\x82\x58\x8E\x9F", u8"１９次"}, {"\x82\x51\x82\x4F\x8E\x9F", u8"２０次"},
}};

constexpr std::string_view TextOf(WindowText id) {
  for (const WindowTextEntry& entry : kWindowTexts)
    if (entry.id == id) return entry.text.shiftJis;
  return {};
}

// The same text's UTF-8 twin.
constexpr std::u8string_view Utf8Of(WindowText id) {
  for (const WindowTextEntry& entry : kWindowTexts)
    if (entry.id == id) return entry.text.utf8;
  return {};
}

}  // namespace peruka
