// hudhost --list, as aligned columns.

#include "element_listing.h"

#include "number_text.h"
#include "property_text.h"

#include <algorithm>

namespace hudhost {

namespace {

using Row = std::vector<std::string>;

//! Widths that fit every row's columns.
std::vector<size_t> ColumnWidths(const std::vector<Row>& pRows)
{
    std::vector<size_t> lWidths;
    for (const Row& lRow : pRows) {
        lWidths.resize(std::max(lWidths.size(), lRow.size()), 0);
        for (size_t lColumn = 0; lColumn < lRow.size(); ++lColumn)
            lWidths[lColumn] = std::max(lWidths[lColumn], lRow[lColumn].size());
    }
    return lWidths;
}

void PrintRows(const std::vector<Row>& pRows, const std::vector<size_t>& pWidths, std::ostream& pOut)
{
    for (const Row& lRow : pRows) {
        std::string lLine = " ";
        for (size_t lColumn = 0; lColumn < lRow.size(); ++lColumn) {
            lLine += " " + lRow[lColumn];
            if (lColumn + 1 < lRow.size()) lLine.append(pWidths[lColumn] + 1 - lRow[lColumn].size(), ' ');
        }
        pOut << lLine << "\n";
    }
}

Row PropertyRow(FBProperty* pProperty)
{
    const std::string lType = pProperty->GetPropertyTypeName();
    Row lRow = {pProperty->GetName(), lType.empty() ? "-" : lType, FormatValue(pProperty)};
    if (const auto lRange = fbhost::PropertyRange(pProperty))
        lRow.push_back("[" + FormatNumber(lRange->min) + ", " + FormatNumber(lRange->max) + "]");
    return lRow;
}

void PrintRegistry(std::ostream& pOut)
{
    std::vector<Row> lRows;
    for (const fbhost::RegistryEntry& lEntry : fbhost::Registry())
        lRows.push_back({lEntry.group, lEntry.name, lEntry.description});
    pOut << "Registry (group, class, display name):\n";
    PrintRows(lRows, ColumnWidths(lRows), pOut);
}

void PrintProperties(FBHUDElement& pElement, std::ostream& pOut)
{
    std::vector<Row> lOwn;
    std::vector<Row> lInherited;
    for (FBProperty* lProperty : fbhost::Properties(&pElement))
        (fbhost::IsDeclaredBySdk(lProperty) ? lInherited : lOwn).push_back(PropertyRow(lProperty));
    std::vector<Row> lAll = lOwn;
    lAll.insert(lAll.end(), lInherited.begin(), lInherited.end());
    const std::vector<size_t> lWidths = ColumnWidths(lAll);

    pOut << "Properties of " << pElement.ClassName() << " (name, type, value, range):\n";
    PrintRows(lOwn, lWidths, pOut);
    pOut << "Inherited from the SDK's FBHUDElement:\n";
    PrintRows(lInherited, lWidths, pOut);
}

void PrintIntrinsicDimension(FBHUDElement& pElement, const CameraResolution& pCamera, std::ostream& pOut)
{
    fbhost::Viewer lViewer;
    lViewer.SetCameraResolution(pCamera.width, pCamera.height);
    int lWidth = 0;
    int lHeight = 0;
    pElement.GetIntrinsicDimension(lViewer.Options(), lWidth, lHeight);
    pOut << "Intrinsic dimension with a " << FormatNumber(pCamera.width) << "x" << FormatNumber(pCamera.height)
         << " camera: " << lWidth << "x" << lHeight << "\n";
}

} // namespace

void PrintListing(HostedElement& pHosted, const HostOptions& pOptions, std::ostream& pOut)
{
    PrintRegistry(pOut);
    PrintProperties(pHosted.Element(), pOut);
    if (pOptions.camera) PrintIntrinsicDimension(pHosted.Element(), *pOptions.camera, pOut);
}

} // namespace hudhost
