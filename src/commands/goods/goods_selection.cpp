#include "commands/goods/goods_selection.h"

#include "commands/builder_options.h"
#include "commands/goods/goods_fields.h"

namespace korvex {

using namespace goods;

int prepareGoodsSelection(Command& command, const char* beginText, quint16 code)
{
    RequestBuilder request(command, beginText, withoutTaskItem());
    if (request.isNull())
        return request.nullResult();
    const Json& input = request.input();
    logInput(input);

    if (request.json().contains(input, kList)) {
        const Json& list = input.at("list");
        if (!list.is_array())
            request.reject(kList);
        Block ids;
        // The elements of an array, the member values of an object, a lone value as itself,
        // nothing for null: the way the JSON library iterates any value.
        for (const Json& element : list)
            if (!request.member(element, kGoodsId, ids.stream))
                request.reject(recordEntry(kGoodsId, element));
        writeBlock(request, kList, ids, request.stream());
    } else if (request.json().contains(input, kRange)) {
        const Json& range = input.at("range");
        Block bounds;
        request.require(request.member(range, kGoodsId, bounds.stream), kGoodsId);
        request.member(range, kGoodsCount, bounds.stream);
        writeBlock(request, kRange, bounds, request.stream());
    } else {
        return korvex3::kInvalidFields;
    }
    return request.finish(code);
}

}  // namespace korvex
