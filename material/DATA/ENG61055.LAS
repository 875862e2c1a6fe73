The Swindler
--------------------------------
The man arrived in Little Fenton on a Monday morning in a shiny white van. He wore a grey suit, a bright yellow tie and the friendliest smile that anybody in the village had ever seen. He said his name was Mr Gerald Grant and that he came from the county council.

"Good news!" he told everybody in the village shop. "The council is going to build a swimming pool here, right behind the church. It will be ready next summer. But first we need a little help from the people of the village. Anyone who pays twenty pounds now will be able to swim there free for the rest of their life."

People were excited. Little Fenton had never had a swimming pool. The children had to take a bus for forty minutes to the nearest one in town. By Wednesday Mr Grant had visited almost every house. He wrote receipts on smart paper with the council's name at the top, and people were happy to pay. Old Mr Dobbs paid for himself and for his five grandchildren.

Priya Shah was twelve and lived above the village shop, which belonged to her parents. She liked Mr Grant at first. He gave her a sweet and called her "young lady". But when she looked at the receipt he had given her mother, she frowned. Priya was very good at spelling, and on the receipt the word "council" was spelled with an "s": COUNSIL. Surely a real council could spell its own name.

She also noticed something else. Every evening Mr Grant parked his van behind the pub, where nobody could see it. And on Thursday he bought a bus timetable in the shop, although he had a van.

On Friday morning Priya told PC Evans, the village policewoman, about the spelling mistake, the hidden van and the timetable. PC Evans telephoned the county council. Nobody there had ever heard of Mr Gerald Grant, and there were no plans for a swimming pool in Little Fenton.

They found him at the bus stop at the end of the village, with a large suitcase full of money. The white van had been stolen, and he was going to leave it behind. His real name was not Gerald Grant at all. He had done the same thing in six other villages.

Everybody got their money back. Old Mr Dobbs said that Priya deserved a reward, and the people of the village agreed. They collected money, real money this time, and gave Priya a season ticket for the swimming pool in town.

"And I will check the spelling on it," said Priya with a smile.
