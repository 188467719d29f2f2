#include "xlsx/drawing_part.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "xlsx/ooxml_names.h"
#include "xlsx/xml_part.h"

namespace orvalis::xlsx {

namespace {

std::string Emu(double points) {
    return std::to_string(std::llround(points * ooxml::kEmuPerPoint));
}

// The highest shape id in the drawing, so the new picture gets a fresh one.
long HighestShapeId(pugi::xml_node root) {
    long highest = 1;
    for (pugi::xpath_node found : root.select_nodes("//*")) {
        pugi::xml_node node = found.node();
        if (LocalName(node.name()) == "cNvPr") {
            highest = std::max(highest, static_cast<long>(node.attribute("id").as_llong()));
        }
    }
    return highest;
}

// Builds elements under the drawing's own prefixes; a namespace the drawing
// does not declare is declared on the new anchor.
class AnchorBuilder {
  public:
    explicit AnchorBuilder(pugi::xml_node root) {
        xdr_ = Prefix(root, ooxml::kSpreadsheetDrawingNs, "xdr");
        a_ = Prefix(root, ooxml::kDrawingMainNs, "a");
        r_ = Prefix(root, ooxml::kRelationshipsNs, "r");
        anchor_ = root.append_child(Qualified(xdr_, "oneCellAnchor").c_str());
        for (const auto& [name, uri] : declarations_) {
            anchor_.append_attribute(name.c_str()).set_value(uri.c_str());
        }
    }

    pugi::xml_node anchor() const { return anchor_; }
    pugi::xml_node X(pugi::xml_node parent, std::string_view local) const {
        return parent.append_child(Qualified(xdr_, local).c_str());
    }
    pugi::xml_node A(pugi::xml_node parent, std::string_view local) const {
        return parent.append_child(Qualified(a_, local).c_str());
    }
    void XText(pugi::xml_node parent, std::string_view local, const std::string& text) const {
        X(parent, local).text().set(text.c_str());
    }
    std::string R(std::string_view local) const { return Qualified(r_, local); }

  private:
    std::string Prefix(pugi::xml_node root, std::string_view uri, std::string_view wanted) {
        if (auto prefix = DeclaredPrefix(root, uri)) return *prefix;
        declarations_.emplace_back("xmlns:" + std::string(wanted), std::string(uri));
        return std::string(wanted);
    }

    std::string xdr_, a_, r_;
    std::vector<std::pair<std::string, std::string>> declarations_;
    pugi::xml_node anchor_;
};

void SetSize(pugi::xml_node ext, const PictureFrame& frame) {
    ext.append_attribute("cx").set_value(Emu(frame.width).c_str());
    ext.append_attribute("cy").set_value(Emu(frame.height).c_str());
}

}  // namespace

std::string_view EmptyDrawingXml() {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n"
           "<xdr:wsDr "
           "xmlns:xdr=\"http://schemas.openxmlformats.org/drawingml/2006/spreadsheetDrawing\" "
           "xmlns:a=\"http://schemas.openxmlformats.org/drawingml/2006/main\" "
           "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\">"
           "</xdr:wsDr>";
}

void AppendPicture(pugi::xml_node drawing_root, const CellAnchor& anchor, const PictureFrame& frame,
                   std::string_view image_id, std::string_view description) {
    long id = HighestShapeId(drawing_root) + 1;
    AnchorBuilder build(drawing_root);
    pugi::xml_node from = build.X(build.anchor(), "from");
    build.XText(from, "col", std::to_string(anchor.column - 1));
    build.XText(from, "colOff", Emu(anchor.column_offset));
    build.XText(from, "row", std::to_string(anchor.row - 1));
    build.XText(from, "rowOff", Emu(anchor.row_offset));
    SetSize(build.X(build.anchor(), "ext"), frame);

    pugi::xml_node picture = build.X(build.anchor(), "pic");
    pugi::xml_node names = build.X(picture, "nvPicPr");
    pugi::xml_node shape = build.X(names, "cNvPr");
    shape.append_attribute("id").set_value(id);
    shape.append_attribute("name").set_value(("Picture " + std::to_string(id - 1)).c_str());
    shape.append_attribute("descr").set_value(std::string(description).c_str());
    build.A(build.X(names, "cNvPicPr"), "picLocks").append_attribute("noChangeAspect").set_value(1);

    pugi::xml_node fill = build.X(picture, "blipFill");
    build.A(fill, "blip")
        .append_attribute(build.R("embed").c_str())
        .set_value(std::string(image_id).c_str());
    build.A(build.A(fill, "stretch"), "fillRect");

    pugi::xml_node properties = build.X(picture, "spPr");
    pugi::xml_node transform = build.A(properties, "xfrm");
    pugi::xml_node offset = build.A(transform, "off");
    offset.append_attribute("x").set_value(Emu(frame.left).c_str());
    offset.append_attribute("y").set_value(Emu(frame.top).c_str());
    SetSize(build.A(transform, "ext"), frame);
    pugi::xml_node geometry = build.A(properties, "prstGeom");
    geometry.append_attribute("prst").set_value("rect");
    build.A(geometry, "avLst");

    build.X(build.anchor(), "clientData");
}

}  // namespace orvalis::xlsx
