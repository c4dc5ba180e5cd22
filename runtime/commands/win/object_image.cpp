#include "object_image.h"

#include "project_window.h"

CImageBitmap* ObjectImage(const ObjectRecord* object)
{
    if (!object) return nullptr;
    if (object->Type == qbk::TypeWindow) {
        const auto* window = dynamic_cast<const CProjectWnd*>(object->WindowObject);
        return window ? window->Background() : nullptr;
    }
    const BitmapPart* part = object->Type == qbk::TypeBitmap ? object->FindPart<BitmapPart>() : nullptr;
    return part ? part->Image.get() : nullptr;
}

CImageBitmap* ObjectImageWithBitmap(const ObjectRecord* object)
{
    CImageBitmap* image = ObjectImage(object);
    return image && image->GetSafeHandle() ? image : nullptr;
}

CImageBitmap& EnsureBitmapImage(ObjectRecord& object)
{
    BitmapPart& part = object.EnsurePart<BitmapPart>();
    if (!part.Image) part.Image = std::make_unique<CImageBitmap>();
    return *part.Image;
}
