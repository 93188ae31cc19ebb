// The one-line descriptions that reprs show, for a value of every type: whole texts compared.
#include <gtest/gtest.h>

#include <string>

#include "detect/debug_text.hpp"
#include "mask/debug_text.hpp"
#include "normalize/debug_text.hpp"
#include "span/debug_text.hpp"

namespace norvane {
namespace {

TEST(DebugText, SpanLayerValues) {
  EXPECT_EQ(debug_text(Span{0, 3, 0, 1}), "Span(byte=0..3, char=0..1)");
  EXPECT_EQ(debug_text(Span{5, 2, 4, 1}), "Span(byte=5..2, char=4..1)");  // reversed, as given
  EXPECT_EQ(debug_text(NormalizationCost{1, 2, 3, 65535}),
            "NormalizationCost(absorbed_whitespace=1, absorbed_separators=2, "
            "expanded_syllables=3, replaced_chars=65535)");
  Segment deleted{RuleSet{}, Span{0, 3, 0, 1}, Span{0, 0, 0, 0}, {}, SegmentKind::delete_};
  EXPECT_EQ(debug_text(deleted), "Segment(kind=\"delete\", src=0..3, dst=0..0)");
  EXPECT_EQ(debug_text(SourceSpan{Span{4, 10, 2, 5}, true,
                                  RuleSet::of({"fold.width", "a\"b\n"}), {}}),
            "SourceSpan(byte=4..10, char=2..5, snapped=true, rules=[\"a\\\"b\\n\", "
            "\"fold.width\"])");
  EXPECT_EQ(debug_text(SourceSpan{}), "SourceSpan(byte=0..0, char=0..0, snapped=false, rules=[])");
  EXPECT_EQ(debug_text(SpanMap::identity("가a")), "SpanMap(segments=1, src_bytes=4, dst_bytes=4)");
  EXPECT_EQ(debug_text(SpanMap()), "SpanMap(segments=0, src_bytes=0, dst_bytes=0)");
}

TEST(DebugText, ConfigShowsThresholdsWindowAndOnlyTheFamiliesSwitchedOn) {
  EXPECT_EQ(debug_text(Config{}), "Config(min_score=0.5, min_context=0.3, context_window=24)");
  Config some;
  some.min_score = 0.25f;
  some.context_window = 7;
  some.structure = true;
  some.writing_variants = true;
  EXPECT_EQ(debug_text(some),
            "Config(min_score=0.25, min_context=0.3, context_window=7, structure=True, "
            "writing_variants=True)");
  EXPECT_EQ(debug_text(Config::thorough()),
            "Config(min_score=0.5, min_context=0.3, context_window=24, label_reading=True, "
            "structure=True, extra_shapes=True, recent_resident=True, company_veto=True, "
            "lookalike_veto=True, numeral_words=True, writing_variants=True, "
            "scanned_letters=True)");
  EXPECT_EQ(debug_text(Normalized{"a\t\"b\"", SpanMap::identity("a\t\"b\"")}),
            "Normalized(text=\"a\\t\\\"b\\\"\", segments=1)");
}

TEST(DebugText, DetectionValues) {
  EXPECT_EQ(debug_text(ContextHit{"전화", 3, 0.25f}),
            "ContextHit(cue=\"전화\", distance=3, weight=0.250)");
  Evidence evidence{.rule = "card.luhn",
                    .checksum = ChecksumResult::passed(),
                    .context_hits = {ContextHit{"카드", 1, 1.0f}, ContextHit{"card", 9, 0.5f}},
                    .normalizations = {},
                    .cost = {},
                    .extensions = {}};
  EXPECT_EQ(debug_text(evidence),
            "Evidence(rule=\"card.luhn\", checksum=\"passed\", context_hits=2)");
  Finding finding{
      EntityKind::phone, Certainty::certain, Span{5, 18, 3, 16}, Span{5, 16, 3, 14}, 0.975f,
      evidence};
  // 0.975f is a little above 0.975: two decimals round it up.
  EXPECT_EQ(debug_text(finding),
            "Finding(entity=\"phone\", certainty=\"certain\", score=0.98, byte=5..18)");
  Rejection rejection{Span{0, 4, 0, 4}, 0.4f, EntityKind::credit_card, RejectReason::no_context};
  EXPECT_EQ(debug_text(rejection),
            "Rejection(entity=\"credit_card\", reason=\"no_context\", score=0.40)");
  EXPECT_EQ(debug_text(Report{{finding}, {rejection, rejection}, "x"}),
            "Report(findings=1, rejections=2)");
}

TEST(DebugText, MaskingValuesNeverShowKeysFixedTextsOrOriginals) {
  EXPECT_EQ(debug_text(Policy::hash("secret key", 16)), "Policy.hash()");
  EXPECT_EQ(debug_text(Policy::redact_fixed("고정")), "Policy.redact_fixed()");
  EXPECT_EQ(debug_text(Policy::partial(1, 2)), "Policy.partial()");
  EXPECT_EQ(debug_text(PolicySet{}.with(EntityKind::phone, Policy::tokenize())), "PolicySet(...)");
  RestoreEntry entry{"[[PII:0]]", "010-1234-5678", EntityKind::phone};
  EXPECT_EQ(debug_text(entry), "RestoreEntry(token=\"[[PII:0]]\", entity=\"phone\")");
  RestoreMap map{"PII0", {entry, entry}};
  EXPECT_EQ(debug_text(map), "RestoreMap(prefix=\"PII0\", entries=2)");
  EXPECT_EQ(debug_text(MaskOutput{"[전화번호]", {}, {}, std::nullopt, {}}),
            "MaskOutput(applied=0, skipped=0, restore=false)");
  EXPECT_EQ(debug_text(MaskOutput{"[[PII0:0]]", {}, {}, map, {0}}),
            "MaskOutput(applied=0, skipped=0, restore=true)");
}

}  // namespace
}  // namespace norvane
