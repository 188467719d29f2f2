#pragma once

#include <string_view>

// Namespaces, relationship types and content types of the workbook packages.
namespace orvalis::xlsx::ooxml {

inline constexpr std::string_view kMainNs =
    "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
inline constexpr std::string_view kRelationshipsNs =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
inline constexpr std::string_view kPackageRelationshipsNs =
    "http://schemas.openxmlformats.org/package/2006/relationships";
inline constexpr std::string_view kSpreadsheetDrawingNs =
    "http://schemas.openxmlformats.org/drawingml/2006/spreadsheetDrawing";
inline constexpr std::string_view kDrawingMainNs =
    "http://schemas.openxmlformats.org/drawingml/2006/main";

inline constexpr std::string_view kOfficeDocumentRel =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument";
inline constexpr std::string_view kWorksheetRel =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet";
inline constexpr std::string_view kStylesRel =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles";
inline constexpr std::string_view kSharedStringsRel =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships/sharedStrings";
inline constexpr std::string_view kCalcChainRel =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships/calcChain";
inline constexpr std::string_view kDrawingRel =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships/drawing";
inline constexpr std::string_view kImageRel =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships/image";

inline constexpr std::string_view kCustomXmlRel =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships/customXml";
inline constexpr std::string_view kCustomXmlPropertiesRel =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships/customXmlProps";
inline constexpr std::string_view kCustomXmlNs =
    "http://schemas.openxmlformats.org/officeDocument/2006/customXml";

inline constexpr std::string_view kXmlContentType = "application/xml";
inline constexpr std::string_view kCustomXmlPropertiesContentType =
    "application/vnd.openxmlformats-officedocument.customXmlProperties+xml";
inline constexpr std::string_view kDrawingContentType =
    "application/vnd.openxmlformats-officedocument.drawing+xml";
inline constexpr std::string_view kRelationshipsContentType =
    "application/vnd.openxmlformats-package.relationships+xml";
inline constexpr std::string_view kPngContentType = "image/png";

inline constexpr std::string_view kContentTypesPart = "[Content_Types].xml";

// 1 point in the drawing unit (English Metric Units).
inline constexpr double kEmuPerPoint = 12700.0;

}  // namespace orvalis::xlsx::ooxml
