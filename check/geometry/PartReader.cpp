#include "check/geometry/PartReader.h"

#include <fmt/format.h>
#include <BRepBuilderAPI_Sewing.hxx>
#include <IGESControl_Reader.hxx>
#include <Interface_Static.hxx>
#include <Message.hxx>
#include <Message_Messenger.hxx>
#include <Message_PrinterOStream.hxx>
#include <OSD_Path.hxx>
#include <RWStl.hxx>
#include <STEPControl_Reader.hxx>
#include <Standard_Failure.hxx>
#include <Standard_OutOfMemory.hxx>
#include <TopExp_Explorer.hxx>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <new>
#include <optional>

#include "check/CheckError.h"
#include "check/geometry/AsciiStlFacets.h"
#include "check/geometry/BrepPart.h"
#include "check/geometry/PartFile.h"
#include "check/geometry/StlPart.h"

namespace check {
namespace {

enum class Format { Step, Iges, Stl };

std::string Lower(std::string text) {
    std::ranges::transform(text, text.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::string Head(const std::filesystem::path& path, std::size_t bytes) {
    std::ifstream in(path, std::ios::binary);
    std::string head(bytes, '\0');
    in.read(head.data(), static_cast<std::streamsize>(bytes));
    head.resize(static_cast<std::size_t>(in.gcount()));
    return head;
}

// The format by the file's extension; a file without a known one is read as STEP when it
// starts as one.
Format FormatOf(const std::filesystem::path& path) {
    const std::string extension = Lower(path.extension().string());
    if (extension == ".step" || extension == ".stp") {
        return Format::Step;
    }
    if (extension == ".iges" || extension == ".igs") {
        return Format::Iges;
    }
    if (extension == ".stl") {
        return Format::Stl;
    }
    if (Head(path, 12) == "ISO-10303-21") {
        return Format::Step;
    }
    throw CheckError("not a STEP, IGES or STL file (by its name and its first line)");
}

// OCCT reports what it reads on standard output; the checker's output is its own.
void SilenceOcct() {
    static const bool silenced = [] {
        const Handle(Message_Messenger)& messenger = Message::DefaultMessenger();
        messenger->RemovePrinters(STANDARD_TYPE(Message_PrinterOStream));
        return true;
    }();
    (void)silenced;
}

bool HasSolid(const TopoDS_Shape& shape) {
    return TopExp_Explorer(shape, TopAbs_SOLID).More();
}

// Surface files often hold faces and no solid: sewn into shells, those that close make solids.
TopoDS_Shape SewnFaces(const TopoDS_Shape& shape) {
    BRepBuilderAPI_Sewing sewing;
    sewing.Add(shape);
    sewing.Perform();
    return sewing.SewedShape();
}

TopoDS_Shape ReadStep(const std::filesystem::path& path) {
    Interface_Static::SetCVal("xstep.cascade.unit", "MM");
    STEPControl_Reader reader;
    if (reader.ReadFile(path.c_str()) != IFSelect_RetDone) {
        throw CheckError("not a readable STEP file");
    }
    reader.TransferRoots();
    return reader.OneShape();
}

TopoDS_Shape ReadIges(const std::filesystem::path& path) {
    Interface_Static::SetCVal("xstep.cascade.unit", "MM");
    IGESControl_Reader reader;
    if (reader.ReadFile(path.c_str()) != IFSelect_RetDone) {
        throw CheckError("not a readable IGES file");
    }
    reader.TransferRoots();
    const TopoDS_Shape shape = reader.OneShape();
    return HasSolid(shape) || shape.IsNull() ? shape : SewnFaces(shape);
}

// The number of triangles a binary STL's header declares, if the file is long enough to hold one.
std::optional<std::uint32_t> DeclaredTriangles(const std::string& head) {
    constexpr std::size_t kCountAt = 80;
    if (head.size() < kCountAt + 4) {
        return std::nullopt;
    }
    std::uint32_t count = 0;
    for (std::size_t i = kCountAt + 4; i-- > kCountAt;) {
        count = count << 8 | static_cast<unsigned char>(head[i]);
    }
    return count;
}

// Binary when the triangle count in the header accounts for the whole file; else ASCII when it
// starts with "solid"; else binary when the declared triangles are all there, trailing bytes
// aside. The content alone says nothing reliable: a binary header may start with "solid" too,
// and zero normals and small coordinates look like text. Too many triangles are refused before
// the mesh is read: a binary file's by its header, an ASCII file's by its size or, when it is
// large enough to hold too many, by counting its facets.
Handle(Poly_Triangulation)
    ReadStlMesh(const std::filesystem::path& path, std::uintmax_t size, std::size_t maxTriangles) {
    constexpr std::uintmax_t kHeaderBytes = 84;
    constexpr std::uintmax_t kTriangleBytes = 50;
    const std::string head = Head(path, kHeaderBytes);
    const std::optional<std::uint32_t> count = DeclaredTriangles(head);
    const std::uintmax_t binaryBytes = count ? kHeaderBytes + kTriangleBytes * *count : 0;
    const bool ascii = Lower(head.substr(0, 5)) == "solid";
    if (count && (binaryBytes == size || (!ascii && binaryBytes <= size))) {
        if (*count > maxTriangles) {
            throw CheckError(fmt::format("more than {} triangles", maxTriangles));
        }
        return RWStl::ReadBinary(OSD_Path(path.c_str()));
    }
    if (!ascii) {
        return {};
    }
    if (size / kSmallestAsciiFacetBytes > maxTriangles &&
        AsciiStlFacets(path, maxTriangles) > maxTriangles) {
        throw CheckError(fmt::format("more than {} triangles", maxTriangles));
    }
    return RWStl::ReadAscii(OSD_Path(path.c_str()));
}

Part ReadStl(const std::filesystem::path& path, std::uintmax_t size, double unit,
             std::size_t maxTriangles) {
    Handle(Poly_Triangulation) mesh = ReadStlMesh(path, size, maxTriangles);
    if (mesh.IsNull() || mesh->NbTriangles() == 0) {
        throw CheckError("not a readable STL file, or one without triangles");
    }
    if (static_cast<std::size_t>(mesh->NbTriangles()) > maxTriangles) {
        throw CheckError(fmt::format("more than {} triangles", maxTriangles));
    }
    Part part = StlPart(unit).Build(std::move(mesh));
    if (part.triangles.empty()) {
        throw CheckError("every triangle is degenerate");
    }
    return part;
}

}  // namespace

PartReader::PartReader(double stlUnitInMillimetres, Limits limits)
    : m_stlUnit(stlUnitInMillimetres), m_limits(limits) {}

Part PartReader::Read(const std::filesystem::path& path) const {
    const std::uintmax_t size = CheckPartFile(path, m_limits.maxFileBytes);
    const std::string name = path.string();
    SilenceOcct();
    try {
        Part part;
        const Format format = FormatOf(path);
        if (format == Format::Stl) {
            part = ReadStl(path, size, m_stlUnit, m_limits.maxTriangles);
        } else {
            const TopoDS_Shape shape = format == Format::Step ? ReadStep(path) : ReadIges(path);
            if (shape.IsNull()) {
                throw CheckError("holds no solid");
            }
            part = BrepPart(m_limits.maxTriangles).Build(shape);
        }
        part.name = name;
        return part;
    } catch (const CheckError& problem) {
        throw CheckError(fmt::format("{}: {}", name, problem.what()));
    } catch (const std::bad_alloc&) {
        throw;
    } catch (const Standard_OutOfMemory&) {
        throw std::bad_alloc();
    } catch (const Standard_Failure& failure) {
        throw CheckError(fmt::format("{}: cannot be read: {}", name, failure.GetMessageString()));
    } catch (const std::exception& failure) {
        throw CheckError(fmt::format("{}: cannot be read: {}", name, failure.what()));
    }
}

}  // namespace check
